// Draws the palette buttons' glyphs, 16 × 16 pixel pictures in the classic 16 colours, into
// DATA/palette as PNG files named after the palette table's bitmap names ("BM_FLECHE.png"...),
// and the editor's icon, the operation glyph four times larger, into DATA/desktop/vorlane.png.
// Run once to make the committed files; "--check DATA" tells whether they are what it writes.
//
//   make_glyphs DATA           writes the pictures
//   make_glyphs --check DATA   exit 0 when every file is identical, 1 otherwise
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int side = 16;

// The classic 16-colour palette in its usual order. Fuchsia is the transparent background, as
// in the class library's glyphs, and so never drawn.
// clang-format off
constexpr std::array<QRgb, 16> palette{{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000,
    0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
    0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
    0xFF0000FF, 0x00FF00FF, 0xFF00FFFF, 0xFFFFFFFF,
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
constexpr auto glyphs = std::to_array<Glyph>({
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
});

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

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The glyph as an indexed picture with a transparent background.
QImage draw(const Glyph& glyph) {
    QImage image(side, side, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, uint(codes.find(glyph.rows[std::size_t(y)][x])));
    return image;
}

// Every file to write: its path under the data folder and its bytes.
std::vector<std::pair<QString, QByteArray>> pictures() {
    std::vector<std::pair<QString, QByteArray>> files;
    for (const Glyph& glyph : glyphs)
        files.emplace_back(QStringLiteral("palette/%1.png").arg(QLatin1String(glyph.nom)),
                           png(draw(glyph)));
    const QImage icon = draw(glyphs[1]).scaled(side * 4, side * 4);
    files.emplace_back(QStringLiteral("desktop/vorlane.png"), png(icon));
    return files;
}

bool write(const QDir& data) {
    for (const auto& [name, bytes] : pictures()) {
        QFile file(data.filePath(name));
        QDir().mkpath(QFileInfo(file).path());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "make_glyphs: cannot write %s\n", qPrintable(file.fileName()));
            return false;
        }
    }
    return true;
}

bool check(const QDir& data) {
    bool same = true;
    for (const auto& [name, bytes] : pictures()) {
        QFile file(data.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes) {
            std::fprintf(stderr, "make_glyphs: %s differs\n", qPrintable(file.fileName()));
            same = false;
        }
    }
    return same;
}

} // namespace

int main(int argc, char** argv) {
    const bool checking = argc == 3 && std::string_view(argv[1]) == "--check";
    if (argc != 2 && !checking) {
        std::fprintf(stderr, "usage: make_glyphs [--check] FOLDER\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[argc - 1]));
    return (checking ? check(data) : write(data)) ? 0 : 1;
}
