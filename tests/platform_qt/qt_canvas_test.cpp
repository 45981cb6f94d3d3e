#include "platform/qt/QtCanvas.h"

#include "platform_qt/qt_test_support.h"

#include <gtest/gtest.h>

#include <array>

using namespace qt_test;

namespace {

int Span(const std::vector<int>& dark) {
    return dark.empty() ? 0 : dark.back() - dark.front() + 1;
}

std::vector<bool> DarkFlagsInRow(const QImage& image, int y, int from, int to) {
    std::vector<bool> flags;
    for (int x = from; x < to; ++x)
        flags.push_back(IsDark(image, x, y));
    return flags;
}

// A black square 0..400 under everything else.
QImage BlackSquare() {
    return Render(400, 400, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.FillRect({0, 0, 400, 400});
    });
}

} // namespace

TEST(QtCanvasGeometry, RectangleCoversItsUnitsAtEveryResolution) {
    const auto draw = [](TQtCanvas& c) { c.Rectangle(50, 50, 150, 150); };
    const QImage full = Render(200, 200, 254, draw);
    EXPECT_EQ(Span(DarkInRow(full, 100)), 100);
    EXPECT_EQ(Span(DarkInColumn(full, 100)), 100);
    EXPECT_EQ(DarkInRow(full, 100).front(), 50);
    // Only the outline: the inside is the white brush.
    EXPECT_EQ(DarkInRow(full, 100).size(), 2u);

    // Half a pixel wide at 127 dpi: the outline is a mid grey.
    const QImage half = Render(200, 200, 127, draw);
    EXPECT_EQ(Span(DarkInRow(half, 50, 200)), 50);
    EXPECT_EQ(Span(DarkInColumn(half, 50, 200)), 50);
    EXPECT_EQ(DarkInRow(half, 50, 200).front(), 25);
}

TEST(QtCanvasGeometry, InsideFramePenStaysWithinTheBounds) {
    const QImage inside = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Pen.Width = 10;
        c.Pen.Style = psInsideFrame;
        c.Rectangle(50, 50, 150, 150);
    });
    EXPECT_TRUE(IsWhite(inside, 49, 100));
    EXPECT_TRUE(IsDark(inside, 50, 100));
    EXPECT_TRUE(IsDark(inside, 59, 100));
    EXPECT_TRUE(IsWhite(inside, 60, 100));
    EXPECT_TRUE(IsWhite(inside, 150, 100));

    const QImage centred = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Pen.Width = 10;
        c.Rectangle(50, 50, 150, 150);
    });
    EXPECT_TRUE(IsDark(centred, 47, 100));
}

TEST(QtCanvasGeometry, ClearPenDrawsNothingAndFillsTheWholeRectangle) {
    const QImage nothing = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Pen.Style = psClear;
        c.Brush.Style = bsClear;
        c.Rectangle(50, 50, 150, 150);
        c.Ellipse(10, 10, 190, 190);
        c.MoveTo(0, 0);
        c.LineTo(200, 200);
    });
    EXPECT_FALSE(InkBounds(nothing).has_value());

    const QImage filled = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Pen.Style = psClear;
        c.Brush.Color = clBlack;
        c.Rectangle(50, 50, 150, 150);
    });
    EXPECT_EQ(InkBounds(filled), QRect(50, 50, 100, 100));
}

TEST(QtCanvasGeometry, ColoursAreBlueGreenRed) {
    const QImage image = Render(100, 100, 254, [](TQtCanvas& c) {
        c.Brush.Color = RGB(10, 200, 30);
        c.FillRect({0, 0, 100, 100});
    });
    const QColor pixel = image.pixelColor(50, 50);
    EXPECT_EQ(pixel.red(), 10);
    EXPECT_EQ(pixel.green(), 200);
    EXPECT_EQ(pixel.blue(), 30);
}

TEST(QtCanvasGeometry, PolygonIsFilledPolylineIsNot) {
    const std::array<vlPoint, 3> triangle{{{10, 10}, {190, 10}, {100, 190}}};
    const auto draw = [&](bool closed) {
        return Render(200, 200, 254, [&](TQtCanvas& c) {
            c.Brush.Color = clBlack;
            if (closed)
                c.Polygon(triangle);
            else
                c.Polyline(triangle);
        });
    };
    EXPECT_TRUE(IsDark(draw(true), 100, 60));
    EXPECT_TRUE(IsWhite(draw(false), 100, 60));
    EXPECT_TRUE(IsDark(draw(false), 100, 10));
}

TEST(QtCanvasGeometry, PolyBezierFollowsItsControlPoints) {
    const std::array<vlPoint, 4> curve{{{0, 100}, {0, 0}, {200, 0}, {200, 100}}};
    const QImage image = Render(201, 120, 254, [&](TQtCanvas& c) { c.PolyBezier(curve); });
    // The curve's top is at a quarter of the control height, halfway across.
    const std::vector<int> column = DarkInColumn(image, 100);
    ASSERT_FALSE(column.empty());
    EXPECT_NEAR(column.front(), 25, 1);
}

TEST(QtCanvasArcs, PieRunsCounterClockwiseFromTheStartRay) {
    // From the ray going east to the ray going north: the upper right quarter.
    const QImage image = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.Pie(0, 0, 200, 200, 300, 100, 100, -100);
    });
    EXPECT_TRUE(IsDark(image, 150, 50));
    EXPECT_FALSE(IsDark(image, 50, 50));
    EXPECT_FALSE(IsDark(image, 50, 150));
    EXPECT_FALSE(IsDark(image, 150, 150));

    // Swapping the rays gives the other three quarters.
    const QImage rest = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.Pie(0, 0, 200, 200, 100, -100, 300, 100);
    });
    EXPECT_FALSE(IsDark(rest, 150, 50));
    EXPECT_TRUE(IsDark(rest, 50, 50));
    EXPECT_TRUE(IsDark(rest, 150, 150));
}

TEST(QtCanvasArcs, RaysAreTakenOnThePageNotOnTheUnitCircle) {
    // A wide ellipse, from the ray through its top right corner to the one through its top
    // left corner: a point just below the first ray is outside the pie.
    const QImage image = Render(400, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.Pie(0, 0, 400, 200, 400, 0, 0, 0);
    });
    EXPECT_FALSE(IsDark(image, 350, 46)); // 20 degrees, the first ray being at 27 degrees
    EXPECT_TRUE(IsDark(image, 300, 30));  // 35 degrees
    EXPECT_TRUE(IsDark(image, 200, 10));
}

TEST(QtCanvasArcs, IdenticalRaysGiveTheWholeEllipseAndArcIsNotFilled) {
    const QImage full = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.Pie(0, 0, 200, 200, 300, 100, 300, 100);
    });
    EXPECT_TRUE(IsDark(full, 150, 150));
    EXPECT_TRUE(IsDark(full, 50, 50));

    const QImage arc = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = clBlack;
        c.Pen.Width = 4;
        c.Arc(0, 0, 200, 200, 300, 100, 100, -100);
    });
    EXPECT_TRUE(IsDark(arc, 170, 29));  // on the arc, at 45 degrees
    EXPECT_FALSE(IsDark(arc, 29, 170)); // 225 degrees is not part of it
    EXPECT_FALSE(IsDark(arc, 150, 50)); // not filled
}

TEST(QtCanvasPens, DashStylesLeaveGaps) {
    const auto runs = [](TPenStyle style) {
        const QImage image = Render(400, 20, 254, [&](TQtCanvas& c) {
            c.Pen.Style = style;
            c.MoveTo(0, 10);
            c.LineTo(400, 10);
        });
        return CountRuns(DarkFlagsInRow(image, 10, 0, 400));
    };
    EXPECT_EQ(runs(psSolid), 1);
    EXPECT_GT(runs(psDash), 4);
    EXPECT_GT(runs(psDot), runs(psDash));
    EXPECT_GT(runs(psDashDotDot), runs(psDash));
}

TEST(QtCanvasPens, NotXorTwiceRestoresTheImage) {
    const QImage below = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Brush.Color = RGB(200, 40, 90);
        c.Ellipse(20, 20, 180, 150);
        c.TextOut(10, 150, "Abc");
    });
    const auto rubberBand = [](TQtCanvas& c) {
        c.Pen.Mode = pmNotXor;
        c.Brush.Style = bsClear;
        c.Rectangle(5, 5, 170, 190);
        c.MoveTo(0, 0);
        c.LineTo(199, 120);
    };
    const QImage once = Render(200, 200, 254, rubberBand, &below);
    EXPECT_NE(once, below);
    EXPECT_EQ(Render(200, 200, 254, rubberBand, &once), below);
}

TEST(QtCanvasPens, NotInvertsWhatIsBelow) {
    const QImage image = Render(100, 100, 254, [](TQtCanvas& c) {
        c.Pen.Mode = pmNot;
        c.Pen.Color = clWhite;
        c.MoveTo(0, 50);
        c.LineTo(100, 50);
    });
    EXPECT_EQ(image.pixel(50, 50) & 0xFFFFFF, 0u);
}

TEST(QtCanvasBrushes, HatchLinesAreOneMillimetreApart) {
    const auto draw = [](TBrushStyle style) {
        return Render(200, 200, 254, [&](TQtCanvas& c) {
            c.Pen.Style = psClear;
            c.Brush.Style = style;
            c.Brush.Color = clBlack;
            c.Rectangle(0, 0, 200, 200);
        });
    };
    const QImage horizontal = draw(bsHorizontal);
    EXPECT_EQ(DarkInColumn(horizontal, 100).size(), 20u);
    EXPECT_TRUE(DarkInRow(horizontal, 105).empty());
    const QImage vertical = draw(bsVertical);
    EXPECT_EQ(DarkInRow(vertical, 100).size(), 20u);
    const QImage cross = draw(bsCross);
    EXPECT_EQ(DarkInRow(cross, 105).size(), 20u);
    EXPECT_EQ(DarkInColumn(cross, 105).size(), 20u);
}

TEST(QtCanvasBrushes, ForwardDiagonalRunsDownToTheRight) {
    const auto shiftBetweenRows = [](TBrushStyle style) {
        const QImage image = Render(200, 200, 254, [&](TQtCanvas& c) {
            c.Pen.Style = psClear;
            c.Brush.Style = style;
            c.Brush.Color = clBlack;
            c.Rectangle(0, 0, 200, 200);
        });
        // The first line met in a row, then the same line three rows lower.
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

TEST(QtCanvasBrushes, ClearBrushLeavesTheInsideAlone) {
    const QImage image = Render(200, 200, 254, [](TQtCanvas& c) {
        c.Brush.Style = bsClear;
        c.Ellipse(10, 10, 190, 190);
    });
    EXPECT_TRUE(IsWhite(image, 100, 100));
    EXPECT_TRUE(IsDark(image, 10, 100));
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
    const int half = inkWidth(127);
    EXPECT_NEAR(full, 2 * half, 3);
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

TEST(QtCanvasPictures, StretchDrawScalesIntoTheRectangle) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(Qt::black);
    const TPicture picture = PngPicture(source);
    ASSERT_FALSE(picture.Empty());
    const QImage image = Render(200, 200, 254, [&](TQtCanvas& c) {
        c.StretchDraw({20, 30, 120, 180}, picture);
    });
    EXPECT_EQ(InkBounds(image), QRect(20, 30, 100, 150));
}

TEST(QtCanvasPictures, EnlargedPicturesKeepSharpPixels) {
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(255, 255, 255));
    const TPicture picture = PngPicture(source);
    const QImage image = Render(200, 10, 254, [&](TQtCanvas& c) {
        c.StretchDraw({0, 0, 200, 10}, picture);
    });
    EXPECT_EQ(image.pixel(99, 5) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(100, 5) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(QtCanvasPictures, TransparentPictureKeepsTheBackgroundWhereTheKeyColourWas) {
    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(Qt::green); // the bottom-left colour
    source.setPixel(1, 1, qRgb(255, 0, 0));
    TPicture picture = PngPicture(source);
    picture.Transparent = true;
    const QImage below = BlackSquare();
    const QImage image = Render(
        400, 400, 254,
        [&](TQtCanvas& c) {
            c.StretchDraw({0, 0, 400, 400}, picture);
        },
        &below);
    EXPECT_EQ(image.pixel(350, 350) & 0xFFFFFF, 0u);
    EXPECT_GT(qRed(image.pixel(150, 150)), 240);
    EXPECT_LT(qGreen(image.pixel(150, 150)), 15);

    picture.Transparent = false;
    const QImage opaque = Render(
        400, 400, 254,
        [&](TQtCanvas& c) {
            c.StretchDraw({0, 0, 400, 400}, picture);
        },
        &below);
    EXPECT_EQ(opaque.pixel(350, 350) & 0xFFFFFF, 0x00FF00u);
}
