#include "package/Glyphs.h"

#include "platform/PngEncoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace {

constexpr int side = 16;

// The classic 16-colour palette in its usual order. Fuchsia is the transparent background, as
// in the class library's glyphs, and so never drawn.
// clang-format off
constexpr std::array<TPngColour, 16> palette{{
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},      {128, 128, 0},
    {0, 0, 128},     {128, 0, 128},   {0, 128, 128},    {128, 128, 128},
    {192, 192, 192}, {255, 0, 0},     {0, 255, 0},      {255, 255, 0},
    {0, 0, 255},     {255, 0, 255, 0}, {0, 255, 255},   {255, 255, 255},
}};
// clang-format on

// One character a palette entry, in palette order: black, maroon, green, olive, navy, purple,
// teal, grey, silver, red, lime, yellow, blue, (transparent), aqua, white.
constexpr std::string_view codes = "#rgybpcxsRGYB.CW";

struct Glyph {
    const char* nom;
    std::array<const char*, side> rows;
};

// Drawn at one character a pixel; see `codes` for the colours.
constexpr std::array<Glyph, 17> glyphs{{
    {"BM_FLECHE",
     {{
         "...#............",
         "...##...........",
         "...#W#..........",
         "...#WW#.........",
         "...#WWW#........",
         "...#WWWW#.......",
         "...#WWWWW#......",
         "...#WWWWWW#.....",
         "...#WWWWWWW#....",
         "...#WWWW#####...",
         "...#WW#WW#......",
         "...#W#.#WW#.....",
         "...##..#WW#.....",
         "........#WW#....",
         "........#WW#....",
         ".........##.....",
     }}},
    {"BM_OPERATION",
     {{
         "................",
         "................",
         "......bbbb......",
         "......bBBb......",
         "......bBBb......",
         "......bBBb......",
         "..bbbbbBBbbbbb..",
         "..bBBBBBBBBBBb..",
         "..bBBBBBBBBBBb..",
         "..bbbbbBBbbbbb..",
         "......bBBb......",
         "......bBBb......",
         "......bBBb......",
         "......bbbb......",
         "................",
         "................",
     }}},
    {"BM_GRAPHE",
     {{
         "................",
         ".#..............",
         ".#..............",
         ".#.....GGg......",
         ".#.....GGg......",
         ".#.....GGg......",
         ".#.....GGg.BBb..",
         ".#.....GGg.BBb..",
         ".#.RRr.GGg.BBb..",
         ".#.RRr.GGg.BBb..",
         ".#.RRr.GGg.BBb..",
         ".#.RRr.GGg.BBb..",
         ".#.RRr.GGg.BBb..",
         ".#.RRr.GGg.BBb..",
         ".##############.",
         "................",
     }}},
    {"BM_FORME",
     {{
         "................",
         ".########.......",
         ".#BBBBBB#.......",
         ".#BBBBBB#.......",
         ".#BBBBBB##......",
         ".#BBBBBB#Y#.....",
         ".#BBBBBB#Y#.....",
         ".#BBBBB#YYY#....",
         ".#######YYY#....",
         "......#YYYYY#...",
         ".....#YYYYYYY#..",
         ".....#YYYYYYY#..",
         "....#YYYYYYYYY#.",
         "...#YYYYYYYYYYY#",
         "...#############",
         "................",
     }}},
    {"BM_FRACTION",
     {{
         "................",
         "......RRR.......",
         ".........R......",
         "........R.......",
         ".........R......",
         "......RRR.......",
         "................",
         "...##########...",
         "................",
         "......B..B......",
         "......B..B......",
         "......BBBB......",
         ".........B......",
         ".........B......",
         "................",
         "................",
     }}},
    {"BM_CAMEMBERT",
     {{
         "................",
         ".....######.....",
         "...##RRRRYY##...",
         "..#RRRRRRYYYY#..",
         "..#RRRRRRYYYY#..",
         ".#RRRRRRRYYYYY#.",
         ".#RRRRRRRYYYYY#.",
         ".#RRRRRRR######.",
         ".#RRRRRR#GGGGG#.",
         ".#RRRRR#GGGGGG#.",
         ".#RRRR#GGGGGGG#.",
         "..#RR#GGGGGGG#..",
         "..#R#GGGGGGGG#..",
         "...##GGGGGGG#...",
         ".....######.....",
         "................",
     }}},
    {"BM_MONTRE",
     {{
         ".....#####......",
         "...##WWWWW##....",
         "..#WWWW#WWWW#...",
         ".#WWWWW#WWWWW#..",
         ".#WWWWW#WWWWW#..",
         "#WWWWWW#WWWWWW#.",
         "#WWWWWW#WWWWWW#.",
         "#xxWWWW#WWWWxx#.",
         "#WWWWWWW#WWWWW#.",
         "#WWWWWWWW#WWWW#.",
         ".#WWWWWWWW#WWW#.",
         ".#WWWWWWWWWWW#..",
         "..#WWWWxWWWW#...",
         "...##WWxWW##....",
         ".....#####......",
         "................",
     }}},
    {"BM_DE",
     {{
         "................",
         "..###########...",
         ".#WWWWWWWWWWW#..",
         ".#W##WWWWW##Wx#.",
         ".#W##WWWWW##Wx#.",
         ".#WWWWWWWWWWWx#.",
         ".#WWWWW##WWWWx#.",
         ".#WWWWW##WWWWx#.",
         ".#WWWWWWWWWWWx#.",
         ".#W##WWWWW##Wx#.",
         ".#W##WWWWW##Wx#.",
         ".#WWWWWWWWWWWx#.",
         ".#Wxxxxxxxxxxx#.",
         "..############..",
         "................",
         "................",
     }}},
    {"BM_EPROUVETTE",
     {{
         "....########....",
         ".....#WWWW#.....",
         ".....#WWWW#.....",
         ".....#WWWW#.....",
         ".....#WWWW#.....",
         ".....##WWW#.....",
         ".....#WWWW#.....",
         ".....#CCCC#.....",
         ".....##CCC#.....",
         ".....#CCCC#.....",
         ".....#CCCC#.....",
         ".....##CCC#.....",
         ".....#CCCC#.....",
         ".....#cCCc#.....",
         "......#cc#......",
         ".......##.......",
     }}},
    {"BM_CUBE",
     {{
         "................",
         ".....##########.",
         "....#WWxWWxWWx#.",
         "...#WWxWWxWWxy#.",
         "..#WWxWWxWWxyy#.",
         ".##########yyx#.",
         ".#YYxYYxYY#yxy#.",
         ".#YYxYYxYY#xyy#.",
         ".#xxxxxxxx#yyx#.",
         ".#YYxYYxYY#yxy#.",
         ".#YYxYYxYY#xyy#.",
         ".#xxxxxxxx#yy#..",
         ".#YYxYYxYY#y#...",
         ".#YYxYYxYY##....",
         ".##########.....",
         "................",
     }}},
    {"BM_BOULIER",
     {{
         "rrrrrrrrrrrrrrrr",
         "r..............r",
         "rRR.RR.......RRr",
         "rRR#RR#######RRr",
         "rRR.RR.......RRr",
         "r..............r",
         "rBB.BB.BB.....Br",
         "rBB#BB#BB#####Br",
         "rBB.BB.BB.....Br",
         "r..............r",
         "rGG........GG.Gr",
         "rGG########GG#Gr",
         "rGG........GG.Gr",
         "r..............r",
         "rrrrrrrrrrrrrrrr",
         "................",
     }}},
    {"BM_EUROPIECES",
     {{
         "................",
         ".....xxxxxx.....",
         "...xxssssssxx...",
         "..xsssyyyyssWx..",
         "..xssyYYYYysWx..",
         ".xssyYYyyyYysWx.",
         ".xsyYYyYYYYYysx.",
         ".xsyYyyyyYYYysx.",
         ".xsyYYyYYYYYysx.",
         ".xsyYyyyyYYYysx.",
         ".xssyYYyyyYysWx.",
         "..xssyYYYYyssx..",
         "..xsssyyyyssx...",
         "...xxssssssxx...",
         ".....xxxxxx.....",
         "................",
     }}},
    {"BM_EUROBILLETS",
     {{
         "................",
         "................",
         ".....rrrrrrrrrrr",
         ".....rRRRRRRRRRr",
         ".....rRRRsssRRRr",
         ".bbbbbbbbbbbbRRr",
         ".bCCCCCCCCCCbRRr",
         ".bCCCWWWCCCCbRRr",
         ".bCCWCCCWCCCbrrr",
         ".bCCWCCCWCCBb...",
         ".bCCWCCCWCBBb...",
         ".bCCCCCCCBBBb...",
         ".bCCCCCCBBBBb...",
         ".bbbbbbbbbbbb...",
         "................",
         "................",
     }}},
    {"BM_MASSE",
     {{
         "................",
         "......####......",
         ".....#YWYy#.....",
         ".....#YYYy#.....",
         "......#yy#......",
         "......#yy#......",
         "...##########...",
         "..#YWWYYYYYyy#..",
         "..#YWWYYYYYyy#..",
         "..#YWWYYYYYyy#..",
         "..#YWWYYYYYyy#..",
         "..#YWWYYYYYyy#..",
         "..#YWWYYYYYyy#..",
         "..#yyyyyyyyyy#..",
         "...##########...",
         "................",
     }}},
    {"BM_RELIER",
     {{
         "................",
         ".......RR.......",
         "......#RR#......",
         ".....#....#.....",
         "....#......#....",
         "...#........#...",
         "..#..........#..",
         ".RR...........RR",
         ".RR...........RR",
         ".#..............",
         ".#..............",
         ".#..............",
         ".#..............",
         ".RR...........RR",
         ".RR.....RR....RR",
         "........RR......",
     }}},
    {"BM_THERMOMETRE",
     {{
         "......####......",
         ".....#WWWW#.....",
         ".....#WWWW#x....",
         ".....#WWWW#.....",
         ".....#WWWW#xx...",
         ".....#WWWW#.....",
         ".....#WRRW#x....",
         ".....#WRRW#.....",
         ".....#WRRW#xx...",
         ".....#WRRW#.....",
         "....##RRRR##....",
         "...#RRRRRRRR#...",
         "...#RRWRRRRR#...",
         "...#RRRRRRRr#...",
         "....#rRRRrr#....",
         ".....######.....",
     }}},
    {"BM_SUDOKU",
     {{
         "................",
         ".#############..",
         ".#BWW#WBW#WBW#..",
         ".#WWB#WWW#WWW#..",
         ".#WWW#WWW#WBW#..",
         ".#############..",
         ".#WWW#WWW#WWB#..",
         ".#WBW#WRW#BWW#..",
         ".#WWB#WWB#WWW#..",
         ".#############..",
         ".#WWW#WWW#BWW#..",
         ".#WWW#BWW#WWB#..",
         ".#BWW#WBW#WWW#..",
         ".#############..",
         "................",
         "................",
     }}},
}};

constexpr bool wellFormed(const Glyph& glyph) {
    for (const char* row : glyph.rows) {
        const std::string_view text(row);
        if (text.size() != side)
            return false;
        for (const char c : text)
            if (codes.find(c) == std::string_view::npos)
                return false;
    }
    return true;
}

static_assert(std::all_of(glyphs.begin(), glyphs.end(), wellFormed),
              "every glyph has 16 rows of 16 known colour codes");

std::vector<std::uint8_t> encode(const Glyph& glyph) {
    std::vector<std::uint8_t> indices;
    indices.reserve(side * side);
    for (const char* row : glyph.rows)
        for (const char c : std::string_view(row))
            indices.push_back(std::uint8_t(codes.find(c)));
    return EncodePngIndexed(side, side, {palette.begin(), palette.end()}, indices);
}

} // namespace

bool ChargeGlyphe(const std::string& nom, TPicture& glyphe) {
    const auto found =
        std::find_if(glyphs.begin(), glyphs.end(), [&](const Glyph& g) { return nom == g.nom; });
    if (found == glyphs.end())
        return false;
    return glyphe.LoadFromBytes(encode(*found));
}

std::vector<std::string> NomsGlyphes() {
    std::vector<std::string> noms;
    for (const Glyph& glyph : glyphs)
        noms.emplace_back(glyph.nom);
    return noms;
}
