// Writes a picture as PNG with fixed settings and no time or text chunks, so
// that the same pixels always give the same bytes.
#pragma once
#include <string>

#include "image.h"

namespace img {

// RGB or RGBA by `im.alpha`; throws std::runtime_error on failure.
void WritePng(const std::string& path, const Image& im);

}  // namespace img
