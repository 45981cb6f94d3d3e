#include "platform/qt/QtCanvas.h"

#include "platform_qt/qt_test_support.h"

#include <gtest/gtest.h>

#include <array>

using namespace qt_test;

namespace {

using Draw = std::function<void(TQtCanvas&)>;

int Span(const std::vector<int>& dark) {
    return dark.empty() ? 0 : dark.back() - dark.front() + 1;
}

// A 200 x 200 drawing at one pixel a unit.
QImage Render200(const Draw& draw, const QImage* below = nullptr) {
    return Render(200, 200, 254, draw, below);
}

// Which of the given pixels are dark, as a string of 'x' (dark) and '.' (not).
std::string Ink(const QImage& image, std::initializer_list<QPoint> points) {
    std::string ink;
    for (const QPoint& p : points)
        ink += IsDark(image, p.x(), p.y()) ? 'x' : '.';
    return ink;
}

// A black square 0..400 under everything else.
QImage BlackSquare() {
    return Render(400, 400, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.FillRect({0, 0, 400, 400});
    });
}

// The four quarters of a 200 x 200 disc: upper right, upper left, lower left, lower right.
const std::initializer_list<QPoint> kQuarters = {{150, 50}, {50, 50}, {50, 150}, {150, 150}};

} // namespace

TEST(QtCanvasGeometry, RectangleOutlineCoversItsUnitsAtEveryResolution) {
    const Draw draw = [](TQtCanvas& c) { c.Rectangle(50, 50, 150, 150); };
    const QImage full = Render200(draw);
    EXPECT_EQ(DarkInRow(full, 100), (std::vector<int>{50, 149})); // only the outline
    EXPECT_EQ(Span(DarkInColumn(full, 100)), 100);
    // Half a pixel a unit at 127 dpi: the outline is a mid grey.
    const QImage half = Render(200, 200, 127, draw);
    EXPECT_EQ(Span(DarkInRow(half, 50, 200)), 50);
    EXPECT_EQ(Span(DarkInColumn(half, 50, 200)), 50);
    EXPECT_EQ(DarkInRow(half, 50, 200).front(), 25);
}

TEST(QtCanvasGeometry, InsideFramePenStaysWithinTheBounds) {
    const auto draw = [](TPenStyle style) {
        return Render200([&](TQtCanvas& c) {
            c.Pen.Width = 10;
            c.Pen.Style = style;
            c.Rectangle(50, 50, 150, 150);
        });
    };
    const QImage inside = draw(psInsideFrame);
    EXPECT_EQ(Ink(inside, {{49, 100}, {50, 100}, {59, 100}, {60, 100}, {150, 100}}), ".xx..");
    EXPECT_TRUE(IsWhite(inside, 49, 100));
    EXPECT_TRUE(IsDark(draw(psSolid), 47, 100)); // centred on the outline
}

TEST(QtCanvasGeometry, ClearPenOrBrushLeaveOutWhatTheyWouldDraw) {
    const QImage nothing = Render200([](TQtCanvas& c) {
        c.Pen.Style = psClear;
        c.Brush.Style = bsClear;
        c.Rectangle(50, 50, 150, 150);
        c.Ellipse(10, 10, 190, 190);
        c.MoveTo(0, 0);
        c.LineTo(200, 200);
    });
    EXPECT_FALSE(InkBounds(nothing).has_value());
    const QImage filled = Render200([](TQtCanvas& c) {
        c.Pen.Style = psClear;
        c.Brush.Color = clBlack;
        c.Rectangle(50, 50, 150, 150);
    });
    EXPECT_EQ(InkBounds(filled), QRect(50, 50, 100, 100)); // the whole rectangle
    const QImage outlined = Render200([](TQtCanvas& c) {
        c.Brush.Style = bsClear;
        c.Ellipse(10, 10, 190, 190);
    });
    EXPECT_TRUE(IsWhite(outlined, 100, 100));
    EXPECT_TRUE(IsDark(outlined, 10, 100));
}

TEST(QtCanvasGeometry, ColoursAreBlueGreenRed) {
    const QImage image = Render(10, 10, 254, [](TQtCanvas& c) {
        c.Brush.Color = RGB(10, 200, 30);
        c.FillRect({0, 0, 10, 10});
    });
    EXPECT_EQ(image.pixelColor(5, 5), QColor(10, 200, 30));
}

TEST(QtCanvasGeometry, PolygonIsFilledPolylineIsNotAndBezierFollowsItsControls) {
    const std::array<vlPoint, 3> triangle{{{10, 10}, {190, 10}, {100, 190}}};
    const auto draw = [&](bool closed) {
        return Render200([&](TQtCanvas& c) {
            c.Brush.Color = clBlack;
            closed ? c.Polygon(triangle) : c.Polyline(triangle);
        });
    };
    EXPECT_EQ(Ink(draw(true), {{100, 60}, {100, 10}}), "xx");
    EXPECT_EQ(Ink(draw(false), {{100, 60}, {100, 10}}), ".x");

    const std::array<vlPoint, 4> curve{{{0, 100}, {0, 0}, {200, 0}, {200, 100}}};
    const QImage image = Render(201, 120, 254, [&](TQtCanvas& c) { c.PolyBezier(curve); });
    // The curve's top is at a quarter of the control height, halfway across.
    const std::vector<int> column = DarkInColumn(image, 100);
    ASSERT_FALSE(column.empty());
    EXPECT_NEAR(column.front(), 25, 1);
}

TEST(QtCanvasArcs, PiesRunCounterClockwiseFromTheStartRay) {
    const auto pie = [](std::array<int, 4> rays) {
        return Render200([&](TQtCanvas& c) {
            c.Brush.Color = clBlack;
            c.Pie(0, 0, 200, 200, rays[0], rays[1], rays[2], rays[3]);
        });
    };
    EXPECT_EQ(Ink(pie({300, 100, 100, -100}), kQuarters), "x..."); // east to north
    EXPECT_EQ(Ink(pie({100, -100, 300, 100}), kQuarters), ".xxx"); // north to east
    EXPECT_EQ(Ink(pie({300, 100, 300, 100}), kQuarters), "xxxx");  // the same ray: all

    const QImage arc = Render200([](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.Pen.Width = 4;
        c.Arc(0, 0, 200, 200, 300, 100, 100, -100);
    });
    // On the arc at 45 degrees, not at 225 degrees, and not filled.
    EXPECT_EQ(Ink(arc, {{170, 29}, {29, 170}, {150, 50}}), "x..");

    // On a wide ellipse the rays are taken on the page: from the ray through the top right
    // corner (27 degrees) to the one through the top left corner.
    const QImage wide = Render(400, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.Pie(0, 0, 400, 200, 400, 0, 0, 0);
    });
    EXPECT_EQ(Ink(wide, {{350, 46}, {300, 30}, {200, 10}}), ".xx"); // 20, 35, 90 degrees
}

TEST(QtCanvasPens, DashStylesLeaveGaps) {
    const auto runs = [](TPenStyle style) {
        const QImage image = Render(400, 20, 254, [&](TQtCanvas& c) {
            c.Pen.Style = style;
            c.MoveTo(0, 10);
            c.LineTo(400, 10);
        });
        std::vector<bool> dark;
        for (int x = 0; x < 400; ++x)
            dark.push_back(IsDark(image, x, 10));
        return CountRuns(dark);
    };
    EXPECT_EQ(runs(psSolid), 1);
    EXPECT_GT(runs(psDash), 4);
    EXPECT_GT(runs(psDot), runs(psDash));
    EXPECT_GT(runs(psDashDotDot), runs(psDash));
}

TEST(QtCanvasPens, NotXorTwiceRestoresTheImageAndNotInverts) {
    const QImage below = Render200([](TQtCanvas& c) {
        c.Brush.Color = RGB(200, 40, 90);
        c.Ellipse(20, 20, 180, 150);
        c.TextOut(10, 150, "Abc");
    });
    const Draw rubberBand = [](TQtCanvas& c) {
        c.Pen.Mode = pmNotXor;
        c.Brush.Style = bsClear;
        c.Rectangle(5, 5, 170, 190);
        c.MoveTo(0, 0);
        c.LineTo(199, 120);
    };
    const QImage once = Render200(rubberBand, &below);
    EXPECT_NE(once, below);
    EXPECT_EQ(Render200(rubberBand, &once), below);

    const QImage inverted = Render200([](TQtCanvas& c) {
        c.Pen.Mode = pmNot;
        c.Pen.Color = clWhite;
        c.MoveTo(0, 50);
        c.LineTo(200, 50);
    });
    EXPECT_EQ(inverted.pixel(50, 50) & 0xFFFFFF, 0u);
}

TEST(QtCanvasBrushes, HatchLinesAreOneMillimetreApartAndDiagonalsRunTheirWay) {
    const auto hatch = [](TBrushStyle style) {
        return Render200([&](TQtCanvas& c) {
            c.Pen.Style = psClear;
            c.Brush.Style = style;
            c.Brush.Color = clBlack;
            c.Rectangle(0, 0, 200, 200);
        });
    };
    const QImage horizontal = hatch(bsHorizontal);
    EXPECT_EQ(DarkInColumn(horizontal, 100).size(), 20u);
    EXPECT_TRUE(DarkInRow(horizontal, 105).empty());
    EXPECT_EQ(DarkInRow(hatch(bsVertical), 100).size(), 20u);
    const QImage cross = hatch(bsCross);
    EXPECT_EQ(DarkInRow(cross, 105).size(), 20u);
    EXPECT_EQ(DarkInColumn(cross, 105).size(), 20u);

    // A line met in a row, then the same line three rows lower.
    const auto shiftBetweenRows = [&](TBrushStyle style) {
        const QImage image = hatch(style);
        const int x = DarkInRow(image, 100, 128).at(2);
        for (int dx : {3, -3})
            if (IsDark(image, x + dx, 103, 128))
                return dx;
        return 0;
    };
    EXPECT_EQ(shiftBetweenRows(bsFDiagonal), 3);
    EXPECT_EQ(shiftBetweenRows(bsBDiagonal), -3);
}

TEST(QtCanvasBrushes, OpaqueHatchHasAWhiteBackgroundTransparentKeepsWhatIsBelow) {
    const QImage below = BlackSquare();
    const auto hatch = [&](int bkMode) {
        return Render(
            400, 400, 254,
            [&](TQtCanvas& c) {
                c.SetBkMode(bkMode);
                c.Pen.Style = psClear;
                c.Brush.Style = bsHorizontal;
                c.Brush.Color = clRed;
                c.Rectangle(100, 100, 300, 300);
            },
            &below);
    };
    EXPECT_TRUE(IsWhite(hatch(OPAQUE), 200, 205));
    EXPECT_EQ(hatch(TRANSPARENT).pixel(200, 205) & 0xFFFFFF, 0u);
}

TEST(QtCanvasClip, ClipRestrictsDrawingUntilRestored) {
    const QImage image = Render200([](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        const int saved = c.SaveDC();
        c.IntersectClipRect(50, 50, 100, 100);
        c.FillRect({0, 0, 200, 100});
        c.RestoreDC(saved);
        c.FillRect({0, 150, 200, 200});
    });
    EXPECT_EQ(Span(DarkInRow(image, 75)), 50);
    EXPECT_EQ(DarkInRow(image, 75).front(), 50);
    EXPECT_TRUE(IsWhite(image, 75, 20));
    EXPECT_EQ(Span(DarkInRow(image, 175)), 200);
}

TEST(QtCanvasText, AlignmentPlacesTheInkAroundThePoint) {
    const auto inkOf = [](unsigned align) {
        const QImage image = Render(600, 300, 254, [&](TQtCanvas& c) {
            c.Font.Height = -60;
            c.SetTextAlign(align);
            c.TextOut(300, 150, "HHH");
        });
        return InkBounds(image).value_or(QRect());
    };
    const QRect centred = inkOf(TA_CENTER | TA_BASELINE);
    ASSERT_FALSE(centred.isNull());
    EXPECT_NEAR(centred.center().x(), 300, 3);
    EXPECT_LE(centred.bottom(), 150);
    EXPECT_GE(centred.bottom(), 147);
    const QRect topLeft = inkOf(TA_LEFT | TA_TOP);
    EXPECT_GE(topLeft.left(), 300);
    EXPECT_GT(topLeft.top(), 150);
    const QRect bottomRight = inkOf(TA_RIGHT | TA_BOTTOM);
    EXPECT_LT(bottomRight.right(), 300);
    EXPECT_LT(bottomRight.bottom(), 150);
}

TEST(QtCanvasText, InkScalesWithTheResolutionAndMatchesTheExtent) {
    vlSize extent;
    const auto inkWidth = [&](double dpi) {
        const QImage image = Render(800, 200, dpi, [&](TQtCanvas& c) {
            c.Font.Height = -80;
            c.TextOut(20, 20, "Mathématiques");
            extent = c.TextExtent("Mathématiques");
        });
        return InkBounds(image).value_or(QRect()).width();
    };
    const int full = inkWidth(254);
    EXPECT_NEAR(full, 2 * inkWidth(127), 3);
    EXPECT_LE(full, extent.cx + 2);
    EXPECT_GT(full, extent.cx * 9 / 10);
}

TEST(QtCanvasText, OpaqueBackgroundFillsTheCellWithTheBrush) {
    const auto draw = [](int bkMode) {
        return Render(400, 200, 254, [&](TQtCanvas& c) {
            c.SetBkMode(bkMode);
            c.Brush.Color = clBlack;
            c.Font.Color = clWhite;
            c.TextOut(10, 10, "a b");
        });
    };
    const QImage opaque = draw(OPAQUE);
    const std::optional<QRect> cell = InkBounds(opaque);
    ASSERT_TRUE(cell.has_value());
    EXPECT_EQ(cell->top(), 10);
    EXPECT_TRUE(IsDark(opaque, 12, 12));
    EXPECT_FALSE(InkBounds(draw(TRANSPARENT)).has_value());
}

TEST(QtCanvasPictures, StretchDrawScalesIntoTheRectangleWithSharpPixels) {
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(0, 0, 0));
    const QImage scaled = Render200([&](TQtCanvas& c) {
        c.StretchDraw({20, 30, 120, 180}, PngPicture(source));
    });
    EXPECT_EQ(InkBounds(scaled), QRect(20, 30, 100, 150));

    source.setPixel(1, 0, qRgb(255, 255, 255));
    const QImage image = Render(200, 10, 254, [&](TQtCanvas& c) {
        c.StretchDraw({0, 0, 200, 10}, PngPicture(source));
    });
    EXPECT_EQ(image.pixel(99, 5) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(100, 5) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(QtCanvasPictures, TransparentPictureKeepsTheBackgroundWhereTheKeyColourWas) {
    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(Qt::green); // the bottom-left colour
    source.setPixel(1, 1, qRgb(255, 0, 0));
    TPicture picture = PngPicture(source);
    const QImage below = BlackSquare();
    const auto draw = [&](bool transparent) {
        picture.Transparent = transparent;
        return Render(
            400, 400, 254,
            [&](TQtCanvas& c) {
                c.StretchDraw({0, 0, 400, 400}, picture);
            },
            &below);
    };
    const QImage keyed = draw(true);
    EXPECT_EQ(keyed.pixel(350, 350) & 0xFFFFFF, 0u);
    EXPECT_EQ(keyed.pixel(150, 150) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(draw(false).pixel(350, 350) & 0xFFFFFF, 0x00FF00u);
}
