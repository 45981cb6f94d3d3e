#include "platform/qt/QtApplicationGuard.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtPictureCache.h"

#include "platform/TempFolder.h"
#include "platform_qt/qt_test_support.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <array>

using namespace qt_test;

namespace {

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

TFont Named(const std::string& name, int height = -49) {
    TFont font;
    font.Name = name;
    font.Height = height;
    return font;
}

TPicture Solid(QRgb colour, int size = 3) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(1, 0, qRgb(255, 255, 0));
    return PngPicture(image);
}

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
    EXPECT_EQ(Rgb(Cell(scene, 1), 49, 100), 0xFFFFFFu);
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

// Dashes leave gaps; a not-xor rubber band drawn twice restores the image, and pmNot inverts.
TEST(QtCanvasPens, DashesLeaveGapsAndNotXorTwiceRestoresTheImage) {
    const auto runs = [](TPenStyle style) {
        const QImage image = Render(400, 20, 254, [&](TQtCanvas& c) {
            c.Pen.Style = style;
            c.MoveTo(0, 10);
            c.LineTo(400, 10);
        });
        int count = 0;
        for (int x = 0; x < 400; ++x)
            count += IsDark(image, x, 10) && (x == 0 || !IsDark(image, x - 1, 10));
        return count;
    };
    EXPECT_EQ(runs(psSolid), 1);
    EXPECT_GT(runs(psDash), 4);
    EXPECT_GT(runs(psDot), runs(psDash));
    EXPECT_GT(runs(psDashDotDot), runs(psDash));

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

// Hatch lines are one millimetre apart, on a white background when opaque, on what is below
// when transparent.
TEST(QtCanvasBrushes, HatchLinesAreOneMillimetreApartOnTheirBackground) {
    const QImage scene = Render(800, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.FillRect({0, 0, 800, 200});
        c.Pen.Style = psClear;
        c.Brush.Color = clRed;
        const TBrushStyle styles[] = {bsHorizontal, bsVertical, bsCross, bsHorizontal};
        for (int i = 0; i < 4; ++i) {
            c.SetBkMode(i < 3 ? OPAQUE : TRANSPARENT);
            c.Brush.Style = styles[i];
            c.Rectangle(200 * i, 0, 200 * i + 200, 200);
        }
    });
    EXPECT_EQ(DarkInColumn(Cell(scene, 0), 100).size(), 20u);
    EXPECT_EQ(Rgb(Cell(scene, 0), 100, 105), 0xFFFFFFu);
    EXPECT_EQ(DarkInRow(Cell(scene, 1), 100).size(), 20u);
    EXPECT_EQ(DarkInRow(Cell(scene, 2), 105).size(), 20u);
    EXPECT_EQ(DarkInColumn(Cell(scene, 2), 105).size(), 20u);
    EXPECT_EQ(Rgb(Cell(scene, 3), 100, 105), 0u);
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
    EXPECT_EQ(Span(DarkInRow(image, 75)), 50);
    EXPECT_EQ(DarkInRow(image, 75).front(), 50);
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
    EXPECT_LE(centred.bottom(), 150);
    EXPECT_GE(centred.bottom(), 147);
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
// below where its key colour (the bottom-left one) was.
TEST(QtCanvasPictures, StretchDrawScalesIntoTheRectangleWithSharpPixels) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(Qt::green);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    TPicture keyed = PngPicture(source);
    keyed.Transparent = true;
    const QImage scene = Render(400, 200, 254, [&](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.FillRect({0, 0, 400, 200});
        c.StretchDraw({20, 30, 120, 180}, PngPicture(source));
        c.StretchDraw({200, 0, 400, 200}, keyed);
    });
    const std::pair<QPoint, QRgb> pixels[] = {
        {{19, 100}, 0},         {{20, 30}, 0xFF0000}, {{69, 104}, 0xFF0000}, {{70, 104}, 0x00FF00},
        {{119, 179}, 0x00FF00}, {{120, 179}, 0},      {{350, 150}, 0},       {{250, 50}, 0xFF0000}};
    for (const auto& [at, rgb] : pixels)
        EXPECT_EQ(Rgb(scene, at.x(), at.y()), rgb) << at.x() << "," << at.y();
}

// Windows faces use their free substitutes, installed faces stay, unknown faces become the
// global face; and the face chosen is what Qt actually draws with.
TEST(QtFonts, EveryNameGetsAFaceQtCanDraw) {
    const std::pair<const char*, const char*> cases[] = {{"Arial", "Liberation Sans"},
                                                         {"tahoma", "Liberation Sans"},
                                                         {"Times New Roman", "Liberation Serif"},
                                                         {"Courier New", "Liberation Mono"},
                                                         {"Comic Sans MS", "Comic Neue"},
                                                         {"CrayonL", "Comic Neue"},
                                                         {"Liberation Serif", "Liberation Serif"},
                                                         {"No Such Face 42", "Andika"},
                                                         {"", "Andika"}};
    for (const auto& [name, family] : cases) {
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
}

// A sheet is laid out the same for the screen, an image and a PDF.
TEST(QtFonts, CanvasMetricsDoNotDependOnTheDevice) {
    const TempFolder folder;
    QPdfWriter pdf(QString::fromStdString(folder.file("m.pdf")));
    pdf.setResolution(254);
    QPainter pdfPainter(&pdf);
    TQtCanvas pdfCanvas(pdfPainter);
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter imagePainter(&image);
    TQtCanvas imageCanvas(imagePainter, 150.0 / 254);
    for (TQtCanvas* canvas : {&pdfCanvas, &imageCanvas}) {
        canvas->Font.Name = "Times New Roman";
        canvas->Font.Height = -57;
    }
    const std::string text = "Le 12 mars, 7 × 8 = 56";
    EXPECT_EQ(pdfCanvas.TextExtent(text), imageCanvas.TextExtent(text));
    EXPECT_EQ(pdfCanvas.TextExtent(text), QtTextExtent(pdfCanvas.Font, text));
    EXPECT_EQ(pdfCanvas.GetTextMetrics().tmAscent, imageCanvas.GetTextMetrics().tmAscent);
}

// The test environment made the application: a later guard leaves it alone.
TEST(QtApplicationGuard, KeepsAnExistingApplication) {
    QCoreApplication* const existing = QCoreApplication::instance();
    ASSERT_NE(qobject_cast<QGuiApplication*>(existing), nullptr);
    {
        const QtApplicationGuard nested;
        EXPECT_FALSE(nested.OwnsApplication());
    }
    EXPECT_EQ(QCoreApplication::instance(), existing);
}

// A picture is decoded once, and stays while it is among the last ones used; transparency
// (the bottom-left colour made clear) is part of the key.
TEST(QtPictureCache, DecodesAndKeepsTheLastPictures) {
    QtPictureCache cache(2);
    TPicture red = Solid(qRgb(255, 0, 0));
    const QImage first = cache.Image(red);
    EXPECT_EQ(first.size(), QSize(3, 3));
    EXPECT_EQ(first.pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(qAlpha(first.pixel(0, 2)), 255);
    EXPECT_EQ(cache.Image(red).cacheKey(), first.cacheKey());
    red.Transparent = true;
    const QImage keyed = cache.Image(red);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 2)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(1, 0)), 255);
    EXPECT_EQ(cache.Size(), 2u);
    cache.Image(Solid(qRgb(0, 0, 255)));
    EXPECT_EQ(cache.Size(), 2u);
    red.Transparent = false;
    EXPECT_NE(cache.Image(red).cacheKey(), first.cacheKey()); // the least recently used went
}

TEST(QtPictureCache, EmptyOrUndecodablePicturesGiveANullImage) {
    QtPictureCache cache;
    EXPECT_TRUE(cache.Image(TPicture()).isNull());
    TPicture broken = Solid(qRgb(1, 2, 3), 40);
    std::vector<std::uint8_t> bytes = broken.bytes();
    bytes.resize(40); // a PNG header with nothing behind it
    ASSERT_TRUE(broken.LoadFromBytes(bytes));
    EXPECT_TRUE(cache.Image(broken).isNull());
}
