#include "png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace img {

void WritePng(const std::string& path, const Image& im)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) throw std::runtime_error("cannot write " + path);

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng could not start for " + path);
    }
    const int channels = im.alpha ? 4 : 3;
    std::vector<png_byte> rows(static_cast<size_t>(im.w) * im.h * channels);
    for (size_t i = 0; i < im.px.size(); i++) {
        png_byte* p = &rows[i * channels];
        p[0] = im.px[i].r, p[1] = im.px[i].g, p[2] = im.px[i].b;
        if (im.alpha) p[3] = im.px[i].a;
    }
    std::vector<png_bytep> rowPointers(im.h);
    for (int y = 0; y < im.h; y++) rowPointers[y] = &rows[static_cast<size_t>(y) * im.w * channels];

    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed on " + path);
    }
    png_init_io(png, file.get());
    // Fixed choices: every filter tried per row, strongest compression.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, im.w, im.h, 8, im.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_rows(png, info, rowPointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace img
