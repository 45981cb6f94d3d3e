// The Qt backend: the canvas drawing to images, its fonts and pictures, and the page writer.
#include "platform/Picture.h"
#include "platform/TempFolder.h"
#include "platform/TestPng.h"
#include "platform/qt/QtApplicationGuard.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtEmbeddedGlyphs.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtLayoutTables.h"
#include "platform/qt/QtPageWriter.h"

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSvgRenderer>
#include <dlfcn.h>
#include <ft2build.h>
#include <gtest/gtest.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>
#include <stop_token>
#include <string>
#include <vector>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { guard_ = std::make_unique<QtApplicationGuard>(); }
    void TearDown() override { guard_.reset(); }

private:
    std::unique_ptr<QtApplicationGuard> guard_;
};

inline ::testing::Environment* const applicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

// An image of `widthUnits` x `heightUnits` canvas units at `dpi`, white or a copy of `below`,
// drawn on by `draw`.
inline QImage Render(int widthUnits, int heightUnits, double dpi,
                     const std::function<void(TQtCanvas&)>& draw, const QImage* below = nullptr) {
    const double scale = dpi / 254.0;
    QImage image(int(widthUnits * scale + 0.5), int(heightUnits * scale + 0.5),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    if (below != nullptr)
        image = *below;
    QPainter painter(&image);
    TQtCanvas canvas(painter, scale);
    draw(canvas);
    return image;
}

inline bool IsDark(const QImage& image, int x, int y, int threshold = 160) {
    return qGray(image.pixel(x, y)) < threshold;
}

inline QRgb Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Indices of the dark pixels along a row, or along a column of the image turned over its
// diagonal.
inline std::vector<int> DarkInRow(const QImage& image, int y, int threshold = 160) {
    std::vector<int> found;
    for (int x = 0; x < image.width(); ++x)
        if (IsDark(image, x, y, threshold))
            found.push_back(x);
    return found;
}

inline std::vector<int> DarkInColumn(const QImage& image, int x, int threshold = 160) {
    return DarkInRow(image.transformed(QTransform(0, 1, 1, 0, 0, 0)), x, threshold);
}

// The bounding box of the pixels that are not white, null when there are none.
inline QRect InkBounds(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Rgb(image, x, y) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline TPicture PngPicture(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    TPicture picture;
    picture.LoadFromBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return picture;
}

int Span(const std::vector<int>& dark) {
    return dark.empty() ? 0 : dark.back() - dark.front() + 1;
}

// Which of the given pixels are dark, as a string of 'x' (dark) and '.' (not).
std::string Ink(const QImage& image, std::initializer_list<QPoint> points) {
    std::string ink;
    for (const QPoint& p : points)
        ink += IsDark(image, p.x(), p.y()) ? 'x' : '.';
    return ink;
}

// Square `i` of a drawing cut in squares of 200 units, four a row.
QImage Cell(const QImage& scene, int i) {
    return scene.copy(i % 4 * 200, i / 4 * 200, 200, 200);
}

TFont Named(const std::string& name, int height = -49, TFontStyles style = 0) {
    return {name, height, clBlack, style};
}

constexpr vlSize kA4{2100, 2970};

// The standard output of a shell command, through a file in `folder`.
std::string RunCommand(const std::string& command, const TempFolder& folder) {
    const std::string output = folder.file("command.out");
    return std::system((command + " > '" + output + "' 2>/dev/null").c_str()) == 0
               ? ReadBack(output)
               : std::string();
}

// An SVG drawing of 400 x 400 units on a white image, one pixel a unit.
QImage DrawnSvg(const QByteArray& svg) {
    QImage drawn(400, 400, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    QSvgRenderer(svg).render(&painter);
    return drawn;
}

class QtPageWriterTest : public ::testing::Test {
protected:
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(folder_.file(name));
    }
    // Writes one page a drawing to `name` and reads the first file back.
    QByteArray Write(const std::string& name, vlSize size,
                     std::initializer_list<std::function<void(TCanvas&)>> pages,
                     int dotsPerInch = 150) {
        TQtPageWriter writer(folder_.file(name), size, dotsPerInch);
        for (const auto& draw : pages)
            draw(writer.BeginPage());
        std::string message;
        EXPECT_TRUE(writer.Finish(message)) << message;
        return QByteArray::fromStdString(ReadBack(writer.Files().at(0)));
    }
    TempFolder folder_;
};

} // namespace

// One shape a cell of 200 x 200 units, four cells a row: the outline covers its units (a mid
// grey at half a pixel a unit), an inside-frame pen stays within the bounds where a solid one
// is centred on them, clear pens and brushes leave out what they would draw, a polygon is
// filled where a polyline is not, and colours are given as blue, green, red.
TEST(QtCanvasGeometry, EachShapeInksItsUnits) {
    const std::array<vlPoint, 3> triangle{{{410, 210}, {590, 210}, {500, 390}}};
    const std::array<vlPoint, 3> open{{{610, 210}, {790, 210}, {700, 390}}};
    const QImage scene = Render(800, 400, 254, [&](TQtCanvas& c) {
        c.Brush.Color = RGB(10, 200, 30);
        c.Rectangle(50, 50, 150, 150);
        c.Brush.Style = bsClear;
        c.Pen.Width = 10;
        c.Rectangle(450, 50, 550, 150);
        c.Pen.Style = psInsideFrame;
        c.Rectangle(250, 50, 350, 150);
        c.Pen.Style = psClear;
        c.Rectangle(650, 50, 750, 150);
        c.LineTo(800, 200);
        c.Brush = TBrush{clBlack, bsSolid};
        c.Rectangle(50, 250, 150, 350);
        c.Pen = TPen{};
        c.Polygon(triangle);
        c.Polyline(open);
        c.Brush.Style = bsClear;
        c.Ellipse(210, 210, 390, 390);
    });
    EXPECT_EQ(DarkInRow(Cell(scene, 0), 100, 20), (std::vector<int>{50, 149}));
    EXPECT_EQ(Span(DarkInColumn(Cell(scene, 0), 60, 20)), 100);
    EXPECT_EQ(Cell(scene, 0).pixelColor(100, 100), QColor(10, 200, 30));
    EXPECT_EQ(Ink(Cell(scene, 1), {{49, 100}, {50, 100}, {59, 100}, {60, 100}}), ".xx.");
    EXPECT_TRUE(IsDark(Cell(scene, 2), 47, 100));
    EXPECT_TRUE(InkBounds(Cell(scene, 3)).isNull());
    EXPECT_EQ(InkBounds(Cell(scene, 4)), QRect(50, 50, 100, 100));
    EXPECT_EQ(Ink(Cell(scene, 5), {{100, 100}, {10, 100}}), ".x");
    EXPECT_EQ(Ink(Cell(scene, 6), {{100, 60}, {100, 10}}), "xx");
    EXPECT_EQ(Ink(Cell(scene, 7), {{100, 60}, {100, 10}}), ".x");
    const QImage half = Render(200, 200, 127, [](TQtCanvas& c) { c.Rectangle(50, 50, 150, 150); });
    EXPECT_EQ(Span(DarkInRow(half, 50, 200)), 50);
    EXPECT_EQ(DarkInRow(half, 50, 200).front(), 25);
}

// Pies run counter-clockwise from the start ray (east to north, north to east, the same ray
// for all), an arc is not filled, and on a wide ellipse the rays are taken on the page.
TEST(QtCanvasGeometry, PiesAndArcsFollowTheirRays) {
    const std::array<int, 4> rays[] = {
        {300, 100, 100, -100}, {100, -100, 300, 100}, {300, 100, 300, 100}};
    const QImage scene = Render(800, 200, 254, [&](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        for (int i = 0, x = 0; i < 3; ++i, x += 200)
            c.Pie(x, 0, x + 200, 200, x + rays[i][0], rays[i][1], x + rays[i][2], rays[i][3]);
        c.Pen.Width = 4;
        c.Arc(600, 0, 800, 200, 900, 100, 700, -100);
    });
    // The quarters: upper right, upper left, lower left, lower right.
    const std::initializer_list<QPoint> quarters = {{150, 50}, {50, 50}, {50, 150}, {150, 150}};
    EXPECT_EQ(Ink(Cell(scene, 0), quarters), "x...");
    EXPECT_EQ(Ink(Cell(scene, 1), quarters), ".xxx");
    EXPECT_EQ(Ink(Cell(scene, 2), quarters), "xxxx");
    EXPECT_EQ(Ink(Cell(scene, 3), {{170, 29}, {29, 170}, {150, 50}}), "x.."); // 45, not 225
    // From the ray through the top right corner (27 degrees) to the one through the top left.
    const QImage wide = Render(400, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.Pie(0, 0, 400, 200, 400, 0, 0, 0);
    });
    EXPECT_EQ(Ink(wide, {{350, 46}, {300, 30}, {200, 10}}), ".xx"); // 20, 35, 90 degrees
}

// A not-xor rubber band drawn twice restores the image, and pmNot inverts.
TEST(QtCanvasPens, NotXorTwiceRestoresTheImage) {
    const QImage below = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = RGB(200, 40, 90);
        c.Ellipse(20, 20, 180, 150);
        c.TextOut(10, 150, "Abc");
    });
    const std::function<void(TQtCanvas&)> rubberBand = [](TQtCanvas& c) {
        c.Pen.Mode = pmNotXor;
        c.Brush.Style = bsClear;
        c.Rectangle(5, 5, 170, 190);
        c.MoveTo(0, 0);
        c.LineTo(199, 120);
        c.Pen.Mode = pmNot;
        c.MoveTo(0, 195);
        c.LineTo(200, 195);
    };
    const QImage once = Render(200, 200, 254, rubberBand, &below);
    EXPECT_NE(once, below);
    EXPECT_EQ(Rgb(once, 100, 195), 0u);
    EXPECT_EQ(Render(200, 200, 254, rubberBand, &once), below);
}

TEST(QtCanvasClip, ClipRestrictsDrawingUntilRestored) {
    const QImage image = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        const int saved = c.SaveDC();
        c.IntersectClipRect(50, 50, 100, 100);
        c.FillRect({0, 0, 200, 100});
        c.RestoreDC(saved);
        c.FillRect({0, 150, 200, 200});
    });
    EXPECT_EQ(InkBounds(image.copy(0, 75, 200, 1)), QRect(50, 0, 50, 1));
    EXPECT_EQ(Rgb(image, 75, 20), 0xFFFFFFu);
    EXPECT_EQ(Span(DarkInRow(image, 175)), 200);
}

// The alignment places the ink around the point, an opaque background fills the text's cell,
// and the ink scales with the resolution and matches the extent.
TEST(QtCanvasText, InkSitsAroundThePointAndScalesWithTheResolution) {
    vlSize extent;
    const auto inkOf = [&](unsigned align, int bkMode = TRANSPARENT, double dpi = 254) {
        const QImage image = Render(1000, 300, dpi, [&](TQtCanvas& c) {
            c.SetBkMode(bkMode);
            c.Brush.Color = clBlack;
            c.Font.Height = -60;
            c.SetTextAlign(align);
            c.TextOut(500, 150, "Math 12 + 7");
            extent = c.TextExtent("Math 12 + 7");
        });
        return InkBounds(image);
    };
    const QRect centred = inkOf(TA_CENTER | TA_BASELINE);
    EXPECT_NEAR(centred.center().x(), 500, 3);
    EXPECT_NEAR(centred.bottom(), 148.5, 1.5); // on the baseline
    const QRect topLeft = inkOf(TA_LEFT | TA_TOP);
    EXPECT_GE(topLeft.left(), 500);
    EXPECT_GT(topLeft.top(), 150);
    EXPECT_LE(topLeft.width(), extent.cx + 2);
    EXPECT_GT(topLeft.width(), extent.cx * 9 / 10);
    EXPECT_NEAR(topLeft.width(), 2 * inkOf(TA_LEFT | TA_TOP, TRANSPARENT, 127).width(), 3);
    EXPECT_LT(inkOf(TA_RIGHT | TA_BOTTOM).right(), 500);
    EXPECT_LT(inkOf(TA_RIGHT | TA_BOTTOM).bottom(), 150);
    EXPECT_EQ(inkOf(TA_LEFT | TA_TOP, OPAQUE).topLeft(), QPoint(500, 150));
}

// Pictures scale into their rectangle with sharp pixels; a transparent one keeps what is
// below where its key colour (the bottom-left one) was; an empty or undecodable one draws
// nothing.
TEST(QtCanvasPictures, StretchDrawScalesIntoTheRectangleWithSharpPixels) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(Qt::green);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    TPicture keyed = PngPicture(source);
    keyed.Transparent = true;
    TPicture broken;
    ASSERT_TRUE(broken.LoadFromBytes(PngHeader(40, 40))); // a header with nothing behind it
    const QImage scene = Render(400, 200, 254, [&](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.FillRect({0, 0, 400, 200});
        c.StretchDraw({20, 30, 120, 180}, PngPicture(source));
        c.StretchDraw({200, 0, 400, 200}, keyed);
        c.StretchDraw({0, 0, 20, 20}, broken);
        c.StretchDraw({0, 180, 20, 200}, TPicture());
    });
    const std::pair<QPoint, QRgb> pixels[] = {
        {{10, 10}, 0},         {{10, 190}, 0},        {{19, 100}, 0},         {{20, 30}, 0xFF0000},
        {{69, 104}, 0xFF0000}, {{70, 104}, 0x00FF00}, {{119, 179}, 0x00FF00}, {{120, 179}, 0},
        {{350, 150}, 0},       {{250, 50}, 0xFF0000}};
    for (const auto& [at, rgb] : pixels)
        EXPECT_EQ(Rgb(scene, at.x(), at.y()), rgb) << at.x() << "," << at.y();
}

// Windows faces use their free substitutes, installed faces stay, unknown faces become the
// global face; and the face chosen is what Qt actually draws with.
TEST(QtFonts, EveryNameGetsAFaceQtCanDraw) {
    const std::pair<const char*, std::vector<const char*>> cases[] = {
        {"Liberation Sans", {"Arial", "tahoma"}},
        {"Liberation Serif", {"Times New Roman", "Liberation Serif"}},
        {"Liberation Mono", {"Courier New"}},
        {"Comic Neue", {"Comic Sans MS", "CrayonL"}},
        {"Andika", {"No Such Face 42", ""}}};
    for (const auto& [family, names] : cases)
        for (const char* name : names) {
            EXPECT_EQ(QtFamilyFor(name), family) << name;
            EXPECT_EQ(QFontInfo(ToQFont(Named(name))).family(), family) << name;
        }
}

// A negative height is the character height, a positive one the cell; extents scale with the
// height and the weight.
TEST(QtFonts, MetricsFollowTheHeightAndExtentsScaleWithIt) {
    const TTextMetric character = QtTextMetrics(Named("Liberation Sans", -100));
    EXPECT_EQ(character.tmHeight, character.tmAscent + character.tmDescent);
    EXPECT_EQ(character.tmInternalLeading, character.tmHeight - 100);
    EXPECT_GT(character.tmInternalLeading, 0);
    EXPECT_NEAR(QtTextMetrics(Named("Liberation Sans", 100)).tmHeight, 100, 1);

    const std::string text = "Mathématiques 123";
    TFont font = Named("Andika", -100);
    const vlSize large = QtTextExtent(font, text);
    EXPECT_NEAR(large.cx, 2 * QtTextExtent(Named("Andika", -50), text).cx, 2);
    EXPECT_EQ(large.cy, QtTextMetrics(font).tmHeight);
    EXPECT_EQ(QtTextExtent(font, "").cx, 0);
    font.Style = fsBold;
    EXPECT_GT(QtTextExtent(font, text).cx, large.cx);
    // A resolved font gives what it measured before, and measures again what it forgot.
    const QtResolvedFont resolved(font);
    for (int i = 0; i < 3000; ++i) {
        const QString number = "n" + QString::number(i % 1500);
        const double fresh = QFontMetricsF(resolved.Font()).horizontalAdvance(number);
        ASSERT_EQ(resolved.Advance(number), fresh) << i;
        ASSERT_EQ(resolved.Advance(number), fresh) << i;
    }
}

// A number measures the sum of its characters' advances only in a face whose layout tables
// leave them alone: not where they are kerned (a 'kern' table, pairs in GPOS), nor, to be safe,
// where a space may join its neighbours; in every face, a number measures its shaped text.
TEST(QtFonts, NumbersAddUpTheirCharactersOnlyWhereLayoutLeavesThemAlone) {
    struct Row {
        const char* face;
        TFontStyles style;
        QString characters;
        bool alone;
        bool pairsAddUp;
    };
    const QString signs = kUnshapedCharacters.toString();
    const std::array rows{
        Row{"Andika", 0, signs, true, true}, Row{"Andika", fsBold | fsItalic, signs, true, true},
        Row{"Andika", 0, "1 \u00A0", false, true}, Row{"Arial", 0, "01", false, false},
        Row{"Comic Sans MS", 0, signs, false, false}};
    for (const Row& row : rows) {
        const QtResolvedFont font(Named(row.face, -49, row.style));
        const QFontMetricsF shaped(font.Font());
        EXPECT_EQ(QtLayoutLeavesAlone(QRawFont::fromFont(font.Font()), row.characters), row.alone)
            << row.face << row.style;
        bool pairsAddUp = true;
        for (const QChar a : row.characters)
            for (const QChar b : row.characters) {
                pairsAddUp &=
                    shaped.horizontalAdvance(QString(a) + b) ==
                    shaped.horizontalAdvance(QString(a)) + shaped.horizontalAdvance(QString(b));
                for (const QChar c : signs) {
                    const QString text = QString(a) + b + c;
                    for (const QString& part : {QString(a), text.left(2), text})
                        ASSERT_EQ(font.Advance(part), shaped.horizontalAdvance(part))
                            << row.face << row.style << qPrintable(part);
                }
            }
        EXPECT_EQ(pairsAddUp, row.pairsAddUp) << row.face << row.style;
    }
}

// Text drawn from glyphs shaped once, or a lone digit or sign from its own glyph, gives the PDF
// bytes of QPainter::drawText whatever the font, place, colour, clip, resolution and invisible
// characters, each font keeping its own glyphs and shaping again for another resolution; a tab
// or an underline is left to the painter.
TEST(QtFonts, ShapedTextGivesTheBytesOfDrawnText) {
    const std::array fonts{QtResolvedFont(Named("Andika")),
                           QtResolvedFont(Named("Andika", -61, fsBold)),
                           QtResolvedFont(Named("Comic Sans MS", -37)),
                           QtResolvedFont(Named("Arial", -49, fsUnderline))};
    const std::array<QString, 9> texts{"7",      "12 345,6", " 0 ",       "Mardi fl", "é × ç",
                                       "\u00D7", "3\t4",     "ab\u00ADc", "\u00A0x"};
    for (const int dpi : {254, 254, 72}) {
        std::array<std::string, 2> bytes; // drawn by the painter, then from shaped glyphs
        int fromGlyphs = 0;
        for (const bool shaped : {false, true}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(dpi);
            QPainter painter(&writer);
            painter.setClipRect(QRectF(20, 0, 300, 1500)); // some texts cut, some hidden
            for (std::size_t i = 0; i < 3 * fonts.size() * texts.size(); ++i) {
                const QtResolvedFont& font = fonts[i % fonts.size()];
                const QString& text = texts[i / fonts.size() % texts.size()];
                const QPointF origin(-3.3 + double(i) * 7.77, 50.6 + double(i) * 30.1);
                painter.setPen(QColor::fromRgb(int(i) * 40 % 256, 0, 0));
                if (shaped && font.DrawShaped(painter, origin, text) && ++fromGlyphs > 0)
                    continue;
                painter.setFont(font.Font());
                painter.drawText(origin, text);
            }
            painter.end();
            bytes.at(shaped) = std::regex_replace(buffer.data().toStdString(),
                                                  std::regex(R"(/CreationDate \([^)]*\))"), "");
        }
        EXPECT_TRUE(bytes[0] == bytes[1]) << dpi;
        EXPECT_EQ(fromGlyphs, 3 * 3 * 8) << dpi;
    }
}

// Each page has its own exact size, the drawing lands at its place (rendered ten times finer
// than a canvas unit around two corner squares), its text is laid out as on an image, and every
// font is embedded.
TEST_F(QtPageWriterTest, PdfPagesHaveTheExactSizeAndPlaceAndEmbeddedFonts) {
    const std::string path = folder_.file("fiche.PDF");
    TQtPageWriter writer(path, kA4);
    TCanvas& portrait = writer.BeginPage();
    portrait.Brush.Style = bsDiagCross;
    portrait.Ellipse(700, 100, 1000, 400);
    portrait.Font.Name = "Arial";
    const std::string text = "Calcule\u00A0: 12 + 7 = 19";
    portrait.TextOut(100, 500, text);
    Render(10, 10, 150, [&](TQtCanvas& image) {
        image.Font = portrait.Font;
        EXPECT_EQ(portrait.TextExtent(text), image.TextExtent(text));
        EXPECT_EQ(portrait.GetTextMetrics().tmAscent, image.GetTextMetrics().tmAscent);
    });
    EXPECT_EQ(portrait.TextExtent(text), QtTextExtent(portrait.Font, text));
    portrait.StretchDraw({100, 600, 400, 900}, PngPicture(QImage(3, 3, QImage::Format_RGB32)));
    ASSERT_TRUE(writer.EndPage());
    TCanvas& landscape = writer.BeginPage({2970, 2100});
    landscape.TextOut(1000, 1000, "paysage");
    landscape.Brush.Color = clBlack;
    landscape.FillRect({0, 0, 100, 100});
    landscape.FillRect({2870, 2000, 2970, 2100});
    std::string message;
    ASSERT_TRUE(writer.Finish(message)) << message;
    EXPECT_EQ(writer.Files(), std::vector<std::string>{path});
    const QByteArray bytes = QByteArray::fromStdString(ReadBack(path));
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595.275591 841.889764]"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 841.889764 595.275591]"));
    EXPECT_FALSE(bytes.contains("/CreationDate")); // the same pages give the same bytes
    if (RunCommand("command -v pdfinfo && command -v pdffonts && command -v pdftoppm", folder_)
            .empty())
        GTEST_SKIP() << "poppler-utils missing";
    EXPECT_NE(RunCommand("pdfinfo '" + path + "'", folder_).find("mathsheet"), std::string::npos);
    const std::string fonts = RunCommand("pdffonts '" + path + "'", folder_);
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("Andika"), std::string::npos) << fonts;
    // The columns emb, sub, uni, object and ID end every font's row.
    const std::regex notEmbedded(R"(\s+no\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*(\n|$))");
    EXPECT_FALSE(std::regex_search(fonts, notEmbedded)) << fonts;
    for (const auto& [x, y, expected] :
         {std::tuple{0, 0, QRect(0, 0, 1000, 1000)}, {28600, 19900, QRect(100, 100, 1000, 1000)}}) {
        const std::string png = folder_.file("corner");
        RunCommand("pdftoppm -f 2 -l 2 -r 2540 -gray -png -singlefile -x " + std::to_string(x) +
                       " -y " + std::to_string(y) + " -W 1100 -H 1100 '" + path + "' '" + png + "'",
                   folder_);
        const QRect ink = InkBounds(QImage(QString::fromStdString(png + ".png")));
        EXPECT_LE((ink.topLeft() - expected.topLeft()).manhattanLength(), 2) << x;
        EXPECT_LE((ink.bottomRight() - expected.bottomRight()).manhattanLength(), 2) << x;
    }
}

// Texts of one font and colour in a row go to a PDF as one run of glyphs, and the page looks
// as if each were drawn at once: the same glyphs at the same places and in the same order as
// the lines, backgrounds and clips between them. The reference page draws each text alone (an
// empty fill after each draws what is waiting).
TEST_F(QtPageWriterTest, TextsInARowGoToAPdfAsOneRunAndLookTheSame) {
    const auto page = [](bool alone) {
        return [alone](TCanvas& canvas) {
            const auto text = [&](int x, int y, const std::string& s) {
                canvas.TextOut(x, y, s);
                if (alone)
                    canvas.FillRect({0, 0, 0, 0});
            };
            canvas.SetBkMode(TRANSPARENT);
            canvas.Font.Height = -60;
            for (int i = 0; i < 12; ++i)
                text(100 + 45 * i, 100 + 7 * i, std::to_string(i * 7));
            canvas.Font.Color = clRed;
            text(100, 300, "12 + 7");
            canvas.Font.Style = fsBold;
            text(400, 300, "19");
            canvas.Pen = TPen{clWhite, 12, psSolid, pmCopy};
            canvas.MoveTo(100, 330);
            canvas.LineTo(700, 330); // over the texts before it
            text(100, 400, "sous la ligne");
            canvas.Font.Style = 0;
            const int unclipped = canvas.SaveDC();
            canvas.IntersectClipRect(100, 500, 300, 560);
            text(90, 490, "coupé 88");
            canvas.RestoreDC(unclipped);
            text(90, 600, "entier 88");
            canvas.SetBkMode(OPAQUE);
            canvas.Brush = TBrush{clYellow, bsSolid};
            text(120, 610, "dessus"); // its background hides part of the text before it
            canvas.SetBkMode(TRANSPARENT);
            text(100, 700, "sous l'image");
            QImage green(3, 3, QImage::Format_RGB32);
            green.fill(Qt::green);
            canvas.StretchDraw({100, 700, 250, 760}, PngPicture(green));
            canvas.Font.Color = clRed;
            text(100, 800, "8888");
            canvas.Font.Color = clBlack;
            canvas.Font.Style = fsUnderline; // laid out by the painter
            text(110, 805, "8888");
            canvas.Font.Style = 0;
            text(100, 900, "fin de page");
        };
    };
    const QByteArray batched = Write("runs.pdf", kA4, {page(false)});
    const QByteArray alone = Write("alone.pdf", kA4, {page(true)});
    EXPECT_LT(batched.size(), alone.size());
    if (RunCommand("command -v pdftoppm", folder_).empty())
        GTEST_SKIP() << "poppler-utils missing";
    for (const std::string name : {"runs", "alone"})
        RunCommand("pdftoppm -r 300 -png -singlefile '" + folder_.file(name + ".pdf") + "' '" +
                       folder_.file(name) + "'",
                   folder_);
    const QImage runs(QString::fromStdString(folder_.file("runs.png")));
    ASSERT_FALSE(runs.isNull());
    EXPECT_TRUE(runs == QImage(QString::fromStdString(folder_.file("alone.png"))));
}

// The fonts a PDF embeds: Qt's calls reach the program's FT_Load_Glyph, which loads glyphs at
// one pixel per font unit unhinted for the families sheets draw with, and there each glyph of
// the characters a sheet may print is what FreeType's hinted load gives after setting that
// size, as Qt does for each glyph: the same width, height, bearings, advance and outline.
TEST_F(QtPageWriterTest, EmbeddedGlyphsLoadUnhintedAsTheyWereHinted) {
    const auto hinted =
        reinterpret_cast<decltype(&FT_Load_Glyph)>(dlsym(RTLD_NEXT, "FT_Load_Glyph"));
    ASSERT_NE(hinted, nullptr);
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "FT_Load_Glyph"), reinterpret_cast<void*>(&FT_Load_Glyph));
    const auto load = [](FT_Face face, FT_UInt glyph, decltype(hinted) loader) {
        FT_Set_Char_Size(face, face->units_per_EM << 6, face->units_per_EM << 6, 0, 0);
        EXPECT_EQ(loader(face, glyph, FT_LOAD_NO_BITMAP), 0);
        const FT_GlyphSlot slot = face->glyph;
        const auto bytes = [](const auto* from, int n) {
            return std::string(reinterpret_cast<const char*>(from), sizeof(*from) * std::size_t(n));
        };
        return bytes(&slot->metrics.width, 4) + bytes(&slot->advance, 1) +
               bytes(slot->outline.points, slot->outline.n_points) +
               bytes(slot->outline.tags, slot->outline.n_points) +
               bytes(slot->outline.contours, slot->outline.n_contours);
    };
    FT_Library library;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    for (const std::string_view family : kUnhintedFamilies) {
        std::istringstream files(RunCommand(
            "fc-list --format '%{file}\\n' :family='" + std::string(family) + "'", folder_));
        ASSERT_FALSE(files.str().empty()) << family;
        for (std::string file; std::getline(files, file);) {
            FT_Face face;
            ASSERT_EQ(FT_New_Face(library, file.c_str(), 0, &face), 0) << file;
            // Latin letters, then the punctuation, signs, arrows and shapes the programs print.
            for (const auto& [first, last] : {std::pair<FT_ULong, FT_ULong>{0x20, 0x24F},
                                              {0x370, 0x3FF},
                                              {0x2010, 0x205F},
                                              {0x20AC, 0x20AC},
                                              {0x2190, 0x2193},
                                              {0x2212, 0x2212},
                                              {0x25A0, 0x25FF},
                                              {0x26A0, 0x26A0}})
                for (FT_ULong c = first; c <= last; ++c) {
                    const FT_UInt glyph = FT_Get_Char_Index(face, c);
                    ASSERT_TRUE(glyph == 0 ||
                                load(face, glyph, hinted) == load(face, glyph, FT_Load_Glyph))
                        << file << " U+" << std::hex << c;
                }
            EXPECT_TRUE(QtLoadsUnhinted(face)) << file;
            FT_Set_Pixel_Sizes(face, 0, 40);
            EXPECT_FALSE(QtLoadsUnhinted(face)) << file;
            FT_Done_Face(face);
        }
    }
    FT_Done_FreeType(library);
}

// An SVG page keeps its size in millimetres and honours the clip.
TEST_F(QtPageWriterTest, SvgHonoursTheClip) {
    const QByteArray svg = Write("clip.svg", {400, 400}, {[](TCanvas& canvas) {
                                     canvas.IntersectClipRect(100, 100, 300, 300);
                                     canvas.Brush.Color = clBlack;
                                     canvas.Pen.Width = 20;
                                     canvas.Ellipse(0, 0, 400, 400);
                                     canvas.Font.Height = -150;
                                     canvas.TextOut(250, 150, "XXXX");
                                 }});
    EXPECT_TRUE(svg.contains("width=\"40mm\" height=\"40mm\"\n viewBox=\"0 0 400 400\""));
    const QImage drawn = DrawnSvg(svg);
    EXPECT_TRUE(IsDark(drawn, 200, 200));
    EXPECT_TRUE(QRect(100, 100, 200, 200).contains(InkBounds(drawn)));
}

// Each distinct picture goes into an SVG page once, however often it is drawn, and every
// drawing still shows at its place and size.
TEST_F(QtPageWriterTest, SvgWritesEachPictureOnce) {
    QImage black(8, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    QImage red(6, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    const TPicture blackPicture = PngPicture(black), redPicture = PngPicture(red);
    const std::array<vlRect, 3> blacks{{{0, 0, 100, 100}, {200, 0, 300, 50}, {0, 200, 40, 400}}};
    const std::array<vlRect, 2> reds{{{200, 200, 400, 300}, {300, 300, 400, 400}}};
    const QByteArray svg = Write("pictures.svg", {400, 400}, {[&](TCanvas& canvas) {
                                     for (const vlRect& rect : blacks)
                                         canvas.StretchDraw(rect, blackPicture);
                                     for (const vlRect& rect : reds)
                                         canvas.StretchDraw(rect, redPicture);
                                 }});
    EXPECT_EQ(svg.count("data:image/png;base64,"), 2);
    EXPECT_EQ(svg.count("<use "), 5);
    const QImage drawn = DrawnSvg(svg);
    const std::pair<QPoint, QRgb> pixels[] = {{{50, 50}, 0},          {{290, 40}, 0},
                                              {{20, 390}, 0},         {{210, 210}, 0xFF0000},
                                              {{390, 390}, 0xFF0000}, {{150, 150}, 0xFFFFFF},
                                              {{310, 60}, 0xFFFFFF},  {{50, 190}, 0xFFFFFF}};
    for (const auto& [at, rgb] : pixels)
        EXPECT_EQ(Rgb(drawn, at.x(), at.y()), rgb) << at.x() << "," << at.y();
}

// Several pages of SVG or PNG give numbered files; a PNG page has the resolution asked for.
TEST_F(QtPageWriterTest, SeveralPagesGiveNumberedFilesAtTheResolutionAskedFor) {
    const auto square = [](TCanvas& canvas) {
        canvas.Brush.Color = clBlack;
        canvas.FillRect({0, 0, 254, 254});
    };
    for (const std::string extension : {".svg", ".png"}) {
        Write("page" + extension, {500, 500}, {square, square});
        EXPECT_TRUE(Exists("page-1" + extension) && Exists("page-2" + extension));
        EXPECT_FALSE(Exists("page" + extension));
    }
    const QImage image(QString::fromStdString(folder_.file("page-2.png")));
    EXPECT_EQ(image.size(), QSize(295, 295));
    EXPECT_EQ(InkBounds(image), QRect(0, 0, 150, 150));
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 150, 0.1);
    EXPECT_EQ(QImage::fromData(Write("fine.png", {100, 100}, {square}, 254)).size(),
              QSize(100, 100));
}

// A PDF opened ahead of its pages is the PDF its pages give.
TEST_F(QtPageWriterTest, APdfOpenedAheadIsThePdfOfItsPages) {
    std::array<std::string, 2> bytes;
    for (const bool ahead : {false, true}) {
        const std::string path = folder_.file(ahead ? "ahead.pdf" : "late.pdf");
        TQtPageWriter writer(path, {});
        if (ahead)
            writer.Open();
        writer.BeginPage({500, 700}).TextOut(10, 10, "12 × 3");
        writer.BeginPage({700, 500}).Rectangle(0, 0, 100, 100);
        std::string message;
        ASSERT_TRUE(writer.Finish(message)) << message;
        bytes.at(ahead) = ReadBack(path);
    }
    EXPECT_TRUE(bytes[0] == bytes[1]);
}

// Given the program's application, a writer starts it only when needed: at a PDF page's first
// text, at once for SVG and PNG pages.
TEST_F(QtPageWriterTest, TheApplicationStartsAtAPdfPagesFirstText) {
    const auto started = [](const QtApplicationGuard& application) {
        std::stop_source asked;
        asked.request_stop();
        return application.WaitStarted(asked.get_token());
    };
    for (const std::string name : {"trait.pdf", "trait.svg", "trait.png"}) {
        QtApplicationGuard application(QtApplicationGuard::Start::OnDemand);
        TQtPageWriter writer(folder_.file(name), kA4, 150, nullptr, &application);
        TCanvas& page = writer.BeginPage();
        page.FillRect({0, 0, 500, 500});
        page.Rectangle(100, 100, 400, 400);
        EXPECT_EQ(started(application), !name.ends_with(".pdf")) << name;
        page.TextOut(10, 10, "7");
        EXPECT_TRUE(started(application)) << name;
        std::string message;
        EXPECT_TRUE(writer.Finish(message)) << name << message;
    }
}

TEST_F(QtPageWriterTest, FailuresAreExplainedInFrench) {
    std::string message;
    const std::string unwritable = folder_.file("missing/folder/fiche.pdf");
    for (const bool ahead : {false, true}) {
        TQtPageWriter missing(unwritable, kA4);
        if (ahead)
            missing.Open();
        missing.BeginPage().Rectangle(0, 0, 10, 10);
        EXPECT_FALSE(missing.Finish(message));
        EXPECT_EQ(message, "Impossible d'écrire le fichier «\u00A0" + unwritable + "\u00A0»");
    }
    for (const char* name : {"fiche.doc", "pdf"}) {
        TQtPageWriter unknown(folder_.file(name), kA4);
        unknown.BeginPage().Rectangle(0, 0, 10, 10);
        EXPECT_FALSE(unknown.Finish(message));
        EXPECT_NE(message.find("Format de fichier inconnu"), std::string::npos) << name;
        EXPECT_FALSE(Exists(name));
    }
    TQtPageWriter empty(folder_.file("vide.pdf"), kA4);
    EXPECT_FALSE(empty.EndPage());
    EXPECT_FALSE(empty.Finish(message));
    EXPECT_NE(message.find("Aucune page"), std::string::npos);
    TQtPageWriter huge(folder_.file("a0.png"), {20000, 20000}, 600);
    huge.BeginPage();
    EXPECT_FALSE(huge.Finish(message));
    EXPECT_NE(message.find("2000 × 2000 mm est trop grande pour une image à 600 dpi (100 "
                           "millions de pixels au plus)\u00A0: --dpi 127 au plus"),
              std::string::npos)
        << message;
}
