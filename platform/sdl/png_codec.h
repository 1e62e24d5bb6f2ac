// PNG reading and writing for the SDL platform, on libpng's simplified API:
// embedded images and the icon become RGBA pixels, screenshots become files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sdl {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // width * height * 4 bytes, rows top first
};

// Decodes PNG bytes of any colour type to 8-bit RGBA; false on bad data.
bool DecodePng(const uint8_t* data, size_t size, RgbaImage& image);

// Writes 8-bit RGB rows to a PNG file. `bottomUp` takes the rows in GL's
// order (bottom row first). False when the file cannot be written.
bool WritePngRgb(const char* path, int width, int height, const uint8_t* rgb, bool bottomUp);

} // namespace sdl
