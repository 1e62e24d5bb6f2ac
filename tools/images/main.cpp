// quarrow_images: paints the game's picture set from the sources beside this
// file and writes it as PNG.
//
//   quarrow_images [--art DIR] OUTDIR
//
// writes OUTDIR/images/000.png ... 123.png, OUTDIR/icon.png and
// OUTDIR/contact-sheet.png. Run with the repository's assets/ folder as
// OUTDIR to refresh the committed files; every run gives the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "art.h"
#include "png_file.h"
#include "screens.h"
#include "terrain.h"

#ifndef QUARROW_IMAGES_ART_DIR
#define QUARROW_IMAGES_ART_DIR "tools/images"
#endif

namespace {

using namespace img;

enum class Kind {
    Texture,  // procedural block face (terrain.cpp)
    Art,      // text-art item or block face (*.art)
    Overlay,  // ore specks on transparency, by mineral ramp
    Crack,    // crack stage, source = stage digit
    Screen,   // screen picture or plain piece (screens.cpp)
};

// What every image identifier holds. The game binds image id into texture
// slot id - 1 (image 0 into slot 123), so the slot named here is id - 1.
struct Role {
    int id;
    Kind kind;
    const char* source;
    const char* what;
};

const Role Roles[] = {
    {0, Kind::Screen, "fallback", "slot 123: block without a picture; selection box lines"},
    {1, Kind::Texture, "cobble", "slot 0: Cobble"},
    {2, Kind::Texture, "dirt", "slot 1: Dirt; base of ores in soil"},
    {3, Kind::Texture, "grass_side", "slot 2: grass-covered dirt, side"},
    {4, Kind::Texture, "grass_top", "slot 3: grass-covered dirt, top"},
    {5, Kind::Texture, "gravel", "slot 4: Gravel"},
    {6, Kind::Texture, "leaves", "slot 5: Leaves"},
    {7, Kind::Texture, "log_end", "slot 6: Raw wood, end faces"},
    {8, Kind::Texture, "bark", "slot 7: Raw wood, bark; its icon"},
    {9, Kind::Texture, "sand", "slot 8: Sand"},
    {10, Kind::Texture, "gabbro", "slot 9: Gabbro; base of ores in rock"},
    {11, Kind::Screen, "neutral", "slot 10: unused"},
    {12, Kind::Screen, "neutral", "slot 11: unused"},
    {13, Kind::Screen, "white", "slot 12: crosshair piece, 2 x 2 white"},
    {14, Kind::Screen, "white", "slot 13: death-screen crosshair piece; empty cell icon"},
    {15, Kind::Screen, "frame_blue", "slot 14: picked-cell frame, dark blue"},
    {16, Kind::Texture, "planks", "slot 15: Wooden planks"},
    {17, Kind::Overlay, "scheelite", "slot 16: Scheelite overlay (value 11)"},
    {18, Kind::Overlay, "hematite", "slot 17: Hematite overlay (12)"},
    {19, Kind::Overlay, "quartz", "slot 18: Quartz overlay (13)"},
    {20, Kind::Overlay, "argentite", "slot 19: Argentite overlay (14)"},
    {21, Kind::Overlay, "goldore", "slot 20: Gold ore overlay (15)"},
    {22, Kind::Overlay, "sperrylite", "slot 21: Sperrylite overlay (16)"},
    {23, Kind::Overlay, "sapphire", "slot 22: Sapphire overlay (17)"},
    {24, Kind::Overlay, "ruby", "slot 23: Ruby overlay (18)"},
    {25, Kind::Overlay, "emerald", "slot 24: Emerald overlay (19)"},
    {26, Kind::Overlay, "gem", "slot 25: Diamond overlay (20)"},
    {27, Kind::Overlay, "coal", "slot 26: Coal overlay (21)"},
    {28, Kind::Overlay, "petroleum", "slot 27: Petroleum overlay (22)"},
    {29, Kind::Art, "stick", "slot 28: Stick icon"},
    {30, Kind::Art, "torch", "slot 29: Torch icon"},
    {31, Kind::Crack, "0", "slot 30: crack stage 0"},
    {32, Kind::Crack, "1", "slot 31: crack stage 1"},
    {33, Kind::Crack, "2", "slot 32: crack stage 2"},
    {34, Kind::Crack, "3", "slot 33: crack stage 3"},
    {35, Kind::Crack, "4", "slot 34: crack stage 4"},
    {36, Kind::Crack, "5", "slot 35: crack stage 5"},
    {37, Kind::Crack, "6", "slot 36: crack stage 6"},
    {38, Kind::Crack, "7", "slot 37: crack stage 7"},
    {39, Kind::Screen, "neutral", "slot 38: unused, 32 x 32"},
    {40, Kind::Screen, "neutral", "slot 39: unused, 32 x 32"},
    {41, Kind::Screen, "neutral", "slot 40: unused, 32 x 32"},
    {42, Kind::Screen, "neutral", "slot 41: unused, 32 x 32"},
    {43, Kind::Screen, "neutral", "slot 42: unused, 32 x 32"},
    {44, Kind::Screen, "menu", "slot 43: menu background, 1024 x 1024"},
    {45, Kind::Screen, "marker", "slot 44: menu marker"},
    {46, Kind::Screen, "frame_green", "slot 45: cursor frame, green"},
    {47, Kind::Art, "furnace_front", "slot 46: Furnace front; its icon"},
    {48, Kind::Art, "furnace_side", "slot 47: Furnace, other faces"},
    {49, Kind::Art, "workbench_top", "slot 48: Workbench top"},
    {50, Kind::Art, "workbench_side", "slot 49: Workbench sides and bottom; its icon"},
    {51, Kind::Art, "tungsten_ingot", "slot 50: Tungsten ingot"},
    {52, Kind::Art, "iron_ingot", "slot 51: Iron ingot"},
    {53, Kind::Art, "silicon_ingot", "slot 52: Silicon ingot"},
    {54, Kind::Art, "silver_ingot", "slot 53: Silver ingot"},
    {55, Kind::Art, "gold_ingot", "slot 54: Gold ingot"},
    {56, Kind::Art, "platinum_ingot", "slot 55: Platinum ingot"},
    {57, Kind::Art, "sapphire", "slot 56: Sapphire"},
    {58, Kind::Art, "ruby", "slot 57: Ruby"},
    {59, Kind::Art, "emerald", "slot 58: Emerald"},
    {60, Kind::Art, "diamond", "slot 59: Diamond"},
    {61, Kind::Art, "coal", "slot 60: Coal"},
    {62, Kind::Art, "petroleum", "slot 61: Petroleum"},
    {63, Kind::Art, "copper_ingot", "slot 62: Copper ingot"},
    {64, Kind::Art, "anvil_top", "slot 63: Anvil top"},
    {65, Kind::Art, "anvil_side", "slot 64: Anvil sides; its icon"},
    {66, Kind::Art, "anvil_bottom", "slot 65: Anvil bottom"},
    {67, Kind::Art, "copper_sword", "slot 66: Copper sword"},
    {68, Kind::Art, "iron_sword", "slot 67: Iron sword"},
    {69, Kind::Art, "silver_sword", "slot 68: Silver sword"},
    {70, Kind::Art, "gold_sword", "slot 69: Golden sword"},
    {71, Kind::Art, "platinum_sword", "slot 70: Platinum sword"},
    {72, Kind::Art, "wooden_sword", "slot 71: Wooden sword"},
    {73, Kind::Art, "copper_pickaxe", "slot 72: Copper pickaxe"},
    {74, Kind::Art, "iron_pickaxe", "slot 73: Iron pickaxe"},
    {75, Kind::Art, "silver_pickaxe", "slot 74: Silver pickaxe"},
    {76, Kind::Art, "gold_pickaxe", "slot 75: Golden pickaxe"},
    {77, Kind::Art, "platinum_pickaxe", "slot 76: Platinum pickaxe"},
    {78, Kind::Art, "wooden_pickaxe", "slot 77: Wooden pickaxe"},
    {79, Kind::Art, "copper_axe", "slot 78: Copper axe"},
    {80, Kind::Art, "iron_axe", "slot 79: Iron axe"},
    {81, Kind::Art, "silver_axe", "slot 80: Silver axe"},
    {82, Kind::Art, "gold_axe", "slot 81: Golden axe"},
    {83, Kind::Art, "platinum_axe", "slot 82: Platinum axe"},
    {84, Kind::Art, "wooden_axe", "slot 83: Wooden axe"},
    {85, Kind::Art, "steel_sword", "slot 84: Steel sword"},
    {86, Kind::Art, "steel_pickaxe", "slot 85: Steel pickaxe"},
    {87, Kind::Art, "steel_axe", "slot 86: Steel axe"},
    {88, Kind::Art, "steel_ingot", "slot 87: Steel ingot"},
    {89, Kind::Overlay, "cementite", "slot 88: Cementite overlay (64)"},
    {90, Kind::Overlay, "cuprite", "slot 89: Cuprite overlay (25)"},
    {91, Kind::Screen, "neutral", "slot 90: unused, 800 x 32"},
    {92, Kind::Screen, "neutral", "slot 91: unused, 32 x 32"},
    {93, Kind::Screen, "neutral", "slot 92: unused, 32 x 32"},
    {94, Kind::Art, "copper_snippet", "slot 93: Copper snippet"},
    {95, Kind::Art, "tungsten_snippet", "slot 94: Tungsten snippet"},
    {96, Kind::Art, "chest_front", "slot 95: Chest front; its icon"},
    {97, Kind::Art, "chest_side", "slot 96: Chest sides"},
    {98, Kind::Art, "chest_top", "slot 97: Chest top and bottom"},
    {99, Kind::Art, "diamond_pickaxe", "slot 98: Diamond pickaxe"},
    {100, Kind::Art, "silica", "slot 99: Silica"},
    {101, Kind::Texture, "glass", "slot 100: Glass (drawn 25 % opaque)"},
    {102, Kind::Texture, "torch_side", "slot 101: Torch stick, side"},
    {103, Kind::Texture, "torch_top", "slot 102: Torch stick, top"},
    {104, Kind::Screen, "neutral", "slot 103: unused"},
    {105, Kind::Screen, "neutral", "slot 104: unused"},
    {106, Kind::Screen, "neutral", "slot 105: unused"},
    {107, Kind::Art, "cuprite", "slot 106: Cuprite icon"},
    {108, Kind::Art, "hematite", "slot 107: Hematite icon"},
    {109, Kind::Art, "quartz", "slot 108: Quartz icon"},
    {110, Kind::Art, "scheelite", "slot 109: Scheelite icon"},
    {111, Kind::Art, "argentite", "slot 110: Argentite icon"},
    {112, Kind::Art, "gold_ore", "slot 111: Gold ore icon"},
    {113, Kind::Art, "sperrylite", "slot 112: Sperrylite icon"},
    {114, Kind::Screen, "neutral", "slot 113: unused"},
    {115, Kind::Art, "cementite", "slot 114: Cementite icon"},
    {116, Kind::Texture, "cactus", "slot 115: Cactus"},
    {117, Kind::Texture, "bricks_copper", "slot 116: Copper bricks"},
    {118, Kind::Texture, "bricks_iron", "slot 117: Iron bricks"},
    {119, Kind::Texture, "bricks_silver", "slot 118: Silver bricks"},
    {120, Kind::Texture, "bricks_gold", "slot 119: Gold bricks"},
    {121, Kind::Texture, "bricks_platinum", "slot 120: Platinum bricks"},
    {122, Kind::Texture, "bricks_stone", "slot 121: Stone bricks"},
    {123, Kind::Screen, "frame_white", "slot 122: selected hot-bar cell frame, white"},
};

constexpr int NumImages = 124;
static_assert(sizeof Roles / sizeof Roles[0] == NumImages, "one role per image identifier");

struct Size {
    int w, h;
};

// Sizes the game relies on; everything not listed is 16 x 16.
Size SizeOf(int id)
{
    if (id == 0) return {48, 48};
    if (id == 13) return {2, 2};
    if (id == 15 || id == 46 || id == 123) return {18, 18};
    if ((id >= 39 && id <= 43) || id == 92 || id == 93) return {32, 32};
    if (id == 44) return {1024, 1024};
    if (id == 91) return {800, 32};
    return {16, 16};
}

bool HasAlpha(int id) { return (id >= 17 && id <= 28) || id == 89 || id == 90; }

Image Make(const ArtBook& book, const Role& role)
{
    const std::string source = role.source;
    const Size size = SizeOf(role.id);
    switch (role.kind) {
    case Kind::Texture:
        return Texture(book, source);
    case Kind::Art:
        return PaintItem(book, source, [&](const std::string& name) { return Texture(book, name); });
    case Kind::Overlay:
        return OreOverlay(book, source);
    case Kind::Crack:
        return Crack(source[0] - '0');
    case Kind::Screen:
        if (source == "fallback") return Fallback();
        if (source == "white") return Image(size.w, size.h, {255, 255, 255, 255});
        if (source == "frame_blue") return Image(size.w, size.h, {28, 44, 128, 255});
        if (source == "frame_green") return Image(size.w, size.h, {52, 178, 64, 255});
        if (source == "frame_white") return Image(size.w, size.h, {255, 255, 255, 255});
        if (source == "menu") return MenuBackground(book);
        if (source == "marker") return Marker();
        if (source == "neutral") return Neutral(size.w, size.h);
        break;
    }
    throw std::runtime_error("image " + std::to_string(role.id) + ": no painter for '" + source + "'");
}

std::string ImageName(int id)
{
    char name[16];
    std::snprintf(name, sizeof name, "%03d.png", id);
    return name;
}

int Run(int argc, char** argv)
{
    std::string artDir = QUARROW_IMAGES_ART_DIR, outDir;
    for (int i = 1; i < argc; i++) {
        std::string_view a = argv[i];
        if (a == "--art" && i + 1 < argc)
            artDir = argv[++i];
        else if (outDir.empty() && !a.empty() && a[0] != '-')
            outDir = a;
        else
            outDir.clear(), i = argc;
    }
    if (outDir.empty()) {
        std::fprintf(stderr, "usage: quarrow_images [--art DIR] OUTDIR\n");
        return 2;
    }

    ArtBook book;
    for (const char* file : {"palette.art", "items.art", "blocks.art"}) LoadArt(book, artDir + "/" + file);

    std::vector<Image> set;
    for (const Role& role : Roles) {
        if (role.id != static_cast<int>(set.size())) throw std::runtime_error("roles out of order");
        Image im = Make(book, role);
        im.alpha = HasAlpha(role.id);
        const Size size = SizeOf(role.id);
        if (im.w != size.w || im.h != size.h)
            throw std::runtime_error("image " + std::to_string(role.id) + " has the wrong size");
        set.push_back(std::move(im));
    }

    std::filesystem::create_directories(outDir + "/images");
    for (int id = 0; id < NumImages; id++) WritePng(outDir + "/images/" + ImageName(id), set[id]);
    WritePng(outDir + "/icon.png", WindowIcon(set[4], set[3]));

    std::vector<int> overlays;
    for (const Role& role : Roles)
        if (role.kind == Kind::Overlay) overlays.push_back(role.id);
    WritePng(outDir + "/contact-sheet.png", ContactSheet(set, set[10], set[2], overlays));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quarrow_images: %s\n", e.what());
        return 1;
    }
}
