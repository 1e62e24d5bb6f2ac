// quarrow_genworld SEED FILE: generates the world of a seed with the game's
// own generator and writes the grid raw to FILE, two bytes per cell (value,
// options), x outermost, then y, then z. For inspecting worlds and making
// test fixtures.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/frame.h"
#include "core/random.h"
#include "core/state.h"
#include "core/world.h"
#include "platform/platform.h"
#include "worldgen/newgame.h"

namespace {

bool ParseSeed(std::string_view text, int32_t& seed)
{
    std::string buffer(text);
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(buffer.c_str(), &end, 10);
    if (buffer.empty() || *end != '\0' || errno != 0) return false;
    if (value < INT32_MIN || value > UINT32_MAX) return false;
    // Seeds are calendar seconds; accept them written signed or unsigned.
    seed = static_cast<int32_t>(static_cast<uint32_t>(value));
    return true;
}

bool WriteGrid(const char* path)
{
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    const size_t bytes = sizeof(_WORLD) * WorldSizeX * WorldSizeY * WorldSizeZ;
    const bool written = std::fwrite(World, 1, bytes, file) == bytes;
    return (std::fclose(file) == 0) && written;
}

} // namespace

int main(int argc, char** argv)
{
    int32_t seed = 0;
    if (argc != 3 || !ParseSeed(argv[1], seed)) {
        std::fprintf(stderr, "usage: %s SEED FILE\n", argc > 0 ? argv[0] : "quarrow_genworld");
        return 2;
    }
    if (!AllocWorld()) {
        std::fprintf(stderr, "not enough memory for the world grid\n");
        return 1;
    }
    Seed = seed;
    QSrand(static_cast<uint32_t>(seed));
    int32_t uTime = PlatformClock();
    if (GenerateWorld(uTime) != PROGRESS_GO_ON) {
        std::fprintf(stderr, "generation stopped\n");
        FreeWorld();
        return 1;
    }
    const bool ok = WriteGrid(argv[2]);
    if (!ok) std::fprintf(stderr, "cannot write %s: %s\n", argv[2], std::strerror(errno));
    FreeWorld();
    return ok ? 0 : 1;
}
