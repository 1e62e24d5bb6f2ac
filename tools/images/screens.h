// Screen pictures and plain pieces: the menu background with its board, the
// selection marker, the frames and crosshair pieces, the fallback block, the
// window icon, and the contact sheet that shows the whole set for review.
#pragma once
#include <string>
#include <vector>

#include "art.h"
#include "image.h"

namespace img {

Image MenuBackground(const ArtBook& book);
// White right-pointing arrow on black, 16 x 16.
Image Marker();
// Grey panel with a dark frame and a dark cross: the face of a block that has
// no picture of its own, and (its edges) the lines of the selection box.
Image Fallback();
// A quiet grey tile for images the game never shows.
Image Neutral(int w, int h);
// 32 x 32 RGBA: a grass block seen from above at an angle.
Image WindowIcon(const Image& grassTop, const Image& grassSide);

// Built-in 5 x 7 bitmap font (digits, a few capitals, '-', '/').
void DrawText(Image& im, int x, int y, const std::string& text, Rgba colour, int scale);
int TextWidth(const std::string& text, int scale);

// Every image with its identifier: small ones x4, the big ones reduced to fit;
// then each ore overlay laid over rock and over soil.
Image ContactSheet(const std::vector<Image>& set, const Image& rock, const Image& soil,
                   const std::vector<int>& overlayIds);

}  // namespace img
