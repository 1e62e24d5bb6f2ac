// Procedural pictures: block faces painted from seeded noise (all of them tile
// without seams), ore overlays with transparency, and the crack stages that
// darken a block being mined.
#pragma once
#include <string>

#include "art.h"
#include "image.h"

namespace img {

// A 16 x 16 face by name: "dirt", "grass_top", "grass_side", "cobble",
// "gravel", "sand", "gabbro", "leaves", "log_end", "bark", "planks",
// "chest_planks", "cactus", "glass", "smooth_stone", "dark_iron",
// "bricks_<ramp>", "torch_side", "torch_top". Throws on an unknown name.
Image Texture(const ArtBook& book, const std::string& name);

// 16 x 16 RGBA: specks of the mineral ramp `ore` on transparency.
Image OreOverlay(const ArtBook& book, const std::string& ore);

// 16 x 16 crack stage 0..7: white, with dark cracks that grow by stage.
Image Crack(int stage);

}  // namespace img
