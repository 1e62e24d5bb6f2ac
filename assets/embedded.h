// Files built into the executable: the 124 images (identifiers 0..123), the
// window icon and the font. The game needs no file of its own at run time.
#pragma once
#include <cstddef>
#include <cstdint>

struct EmbeddedFile {
    const uint8_t* data;
    size_t size;
};

constexpr int NumImages = 124;

// Image `id` (0..123) as PNG bytes.
EmbeddedFile EmbeddedImage(int id);
EmbeddedFile EmbeddedIcon();
// The TrueType font of the screens (Carlito Italic).
EmbeddedFile EmbeddedFont();
