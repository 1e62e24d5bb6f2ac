#include "art.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "noise.h"

namespace img {

namespace {

[[noreturn]] void Fail(const std::string& where, const std::string& what)
{
    throw std::runtime_error(where + ": " + what);
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line.substr(0, line.find('#')));
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

}  // namespace

void LoadArt(ArtBook& book, const std::string& path)
{
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        lineNo++;
        const std::string where = path + ":" + std::to_string(lineNo);
        std::vector<std::string> w = Words(line);
        if (w.empty()) continue;
        if (w[0] == "colour") {
            if ((w.size() != 3 && w.size() != 5) || w[1].size() != 1) Fail(where, "colour <char> <hex> [noise <n>]");
            Paint p{Hex(w[2]), 0};
            if (w.size() == 5) {
                if (w[3] != "noise") Fail(where, "expected 'noise'");
                p.noise = std::stof(w[4]);
            }
            book.colours[w[1][0]] = p;
        } else if (w[0] == "ramp") {
            if (w.size() != 6) Fail(where, "ramp <name> and four colours");
            book.ramps[w[1]] = {Hex(w[2]), Hex(w[3]), Hex(w[4]), Hex(w[5])};
        } else if (w[0] == "picture") {
            if (w.size() != 2 && !(w.size() == 4 && w[2] == "base")) Fail(where, "picture <name> [base <texture>]");
            Picture pic;
            if (w.size() == 4) pic.base = w[3];
            while (true) {
                if (!std::getline(in, line)) Fail(where, "picture without 'end'");
                lineNo++;
                std::vector<std::string> r = Words(line);
                if (r.empty()) continue;
                if (r[0] == "end") break;
                if (r.size() != 1) Fail(path + ":" + std::to_string(lineNo), "a picture row is one word");
                pic.rows.push_back(r[0]);
            }
            for (const std::string& r : pic.rows)
                if (r.size() != pic.rows[0].size()) Fail(where, "rows of picture " + w[1] + " differ in length");
            book.pictures[w[1]] = pic;
        } else if (w[0] == "item") {
            if (w.size() != 3 && w.size() != 4) Fail(where, "item <name> <picture> [<ramp>]");
            book.items[w[1]] = {w[2], w.size() == 4 ? w[3] : ""};
        } else {
            Fail(where, "unknown statement '" + w[0] + "'");
        }
    }
}

const std::array<Rgba, 4>& RampOf(const ArtBook& book, const std::string& name)
{
    auto it = book.ramps.find(name);
    if (it == book.ramps.end()) throw std::runtime_error("no ramp '" + name + "'");
    return it->second;
}

Rgba ColourOf(const ArtBook& book, char c)
{
    auto it = book.colours.find(c);
    if (it == book.colours.end()) throw std::runtime_error(std::string("no colour for '") + c + "'");
    return it->second.colour;
}

Image PaintItem(const ArtBook& book, const std::string& name, const BaseMaker& base)
{
    auto item = book.items.find(name);
    if (item == book.items.end()) throw std::runtime_error("no item '" + name + "'");
    auto pic = book.pictures.find(item->second.picture);
    if (pic == book.pictures.end()) throw std::runtime_error("no picture '" + item->second.picture + "'");
    const Picture& p = pic->second;
    const int w = static_cast<int>(p.rows[0].size()), h = static_cast<int>(p.rows.size());

    Image under;
    if (!p.base.empty()) {
        under = base(p.base);
        if (under.w != w || under.h != h) throw std::runtime_error("base of '" + name + "' has another size");
    }
    Image out(w, h);
    // The grain of a colour differs per item, so two items drawn from one
    // picture do not share every speck.
    uint32_t seed = 0;
    for (char c : name) seed = seed * 31u + static_cast<uint8_t>(c);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            char c = p.rows[y][x];
            if (c == '.' && !p.base.empty()) {
                out.at(x, y) = under.at(x, y);
            } else if (c >= '1' && c <= '4') {
                if (item->second.ramp.empty()) throw std::runtime_error("item '" + name + "' needs a ramp");
                out.at(x, y) = RampOf(book, item->second.ramp)[c - '1'];
            } else {
                auto it = book.colours.find(c);
                if (it == book.colours.end())
                    throw std::runtime_error(std::string("picture '") + item->second.picture + "' uses '" + c +
                                             "', which has no colour");
                float n = it->second.noise * (2 * Rand01(x, y, seed + static_cast<uint8_t>(c)) - 1);
                out.at(x, y) = Shift(it->second.colour, n);
            }
        }
    return out;
}

}  // namespace img
