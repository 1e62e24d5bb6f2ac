#include "platform/sdl/png_codec.h"

#include <png.h>

#include <cstring>

namespace sdl {

bool DecodePng(const uint8_t* data, size_t size, RgbaImage& image)
{
    if (data == nullptr || size == 0) return false;
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data, size)) return false;
    png.format = PNG_FORMAT_RGBA;
    if (png.width == 0 || png.height == 0 || png.width > 8192 || png.height > 8192) {
        png_image_free(&png);
        return false;
    }
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return false;
    }
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels = std::move(pixels);
    return true;
}

bool WritePngRgb(const char* path, int width, int height, const uint8_t* rgb, bool bottomUp)
{
    if (path == nullptr || rgb == nullptr || width <= 0 || height <= 0) return false;
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = PNG_FORMAT_RGB;
    // A negative stride makes libpng walk the rows from the last one up.
    png_int_32 stride = width * 3;
    if (bottomUp) stride = -stride;
    int ok = png_image_write_to_file(&png, path, 0, rgb, stride, nullptr);
    png_image_free(&png);
    return ok != 0;
}

} // namespace sdl
