#include "host/Couleurs.h"

#include "platform/Numbers.h"
#include "platform/Text.h"

#include <array>
#include <cstdint>

namespace {

struct NamedColour {
    std::string_view name;
    int red, green, blue;
};

// A short list a class knows, with the usual screen values of each colour.
constexpr std::array<NamedColour, 18> kColours = {{
    {"noir", 0, 0, 0},
    {"blanc", 255, 255, 255},
    {"gris", 128, 128, 128},
    {"gris clair", 211, 211, 211},
    {"rouge", 255, 0, 0},
    {"rose", 255, 182, 193},
    {"orange", 255, 165, 0},
    {"jaune", 255, 255, 0},
    {"jaune clair", 255, 255, 160},
    {"vert", 0, 128, 0},
    {"vert clair", 144, 238, 144},
    {"bleu", 0, 0, 255},
    {"bleu clair", 173, 216, 230},
    {"bleu ciel", 135, 206, 235},
    {"turquoise", 64, 224, 208},
    {"violet", 128, 0, 128},
    {"marron", 139, 69, 19},
    {"beige", 245, 245, 220},
}};

constexpr int bgr(int red, int green, int blue) {
    return (blue << 16) | (green << 8) | red;
}

// Lower case without accents, blanks collapsed to one space.
std::string normalised(std::string_view text) {
    std::string folded = FoldAccentsAndCase(text);
    std::string out;
    for (const char c : folded) {
        const bool blank = c == ' ' || c == '\t';
        if (blank && (out.empty() || out.back() == ' '))
            continue;
        out += blank ? ' ' : c;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::optional<int> hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

// "#RRGGBB" as 0xBBGGRR.
std::optional<int> webColour(std::string_view text) {
    if (text.size() != 7 || text.front() != '#')
        return std::nullopt;
    int rgb = 0;
    for (const char c : text.substr(1)) {
        const auto digit = hexDigit(c);
        if (!digit)
            return std::nullopt;
        rgb = rgb * 16 + *digit;
    }
    return bgr((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

std::optional<int> LitCouleur(std::string_view texte, int min) {
    const std::string_view trimmed = Trim(texte, kBlanksAndLineEnds);
    if (const auto web = webColour(trimmed))
        return web;
    const std::string name = normalised(trimmed);
    if (min < 0 && name == "aucune")
        return -1;
    for (const NamedColour& colour : kColours)
        if (name == colour.name)
            return bgr(colour.red, colour.green, colour.blue);
    const auto number =
        ParseInteger(trimmed, min, 0xFFFFFF, {.minus = min < 0, .plus = true, .hex = true});
    if (!number)
        return std::nullopt;
    return int(*number);
}

std::string NomsCouleurs() {
    std::string names;
    for (const NamedColour& colour : kColours)
        names += (names.empty() ? "" : ", ") + std::string(colour.name);
    return names;
}
