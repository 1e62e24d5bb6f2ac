// Text-art: the palette (colours by character, material ramps by name) and the
// hand-drawn pictures of items and block faces, read from the *.art files
// beside this header and painted into images.
//
// File format, one statement per line, '#' starts a comment:
//   colour <char> <rrggbb> [noise <n>]   a character's colour; noise adds a
//                                        seeded +-n brightness grain per pixel
//   ramp <name> <c1> <c2> <c3> <c4>      a material, light to dark; in a
//                                        picture the digits 1..4 take it
//   picture <name> [base <texture>]      rows follow, one per pixel row,
//   ...                                  up to "end"; with a base, '.' shows
//   end                                  that procedural texture
//   item <name> <picture> [<ramp>]       a picture painted with a material
#pragma once
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "image.h"

namespace img {

struct Paint {
    Rgba colour;
    float noise = 0;
};

struct Picture {
    std::vector<std::string> rows;
    std::string base;  // procedural texture under '.', or empty
};

struct ItemArt {
    std::string picture, ramp;
};

struct ArtBook {
    std::map<char, Paint> colours;
    std::map<std::string, std::array<Rgba, 4>> ramps;
    std::map<std::string, Picture> pictures;
    std::map<std::string, ItemArt> items;
};

// Adds the statements of one file; throws std::runtime_error with the file
// and line on any malformed statement.
void LoadArt(ArtBook& book, const std::string& path);

const std::array<Rgba, 4>& RampOf(const ArtBook& book, const std::string& name);
Rgba ColourOf(const ArtBook& book, char c);

// Paints item `name`; `base` makes the procedural texture a picture names.
using BaseMaker = std::function<Image(const std::string&)>;
Image PaintItem(const ArtBook& book, const std::string& name, const BaseMaker& base);

}  // namespace img
