#include "platform/RecordingCanvas.h"
#include "platform/TestPng.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Op = TDrawCall::Op;

} // namespace

TEST(RecordingCanvasMetrics, FollowTheCharacterOrCellHeight) {
    struct Case {
        int height;
        int ascent, descent, cell, internal, external, average;
    };
    const Case cases[] = {
        {-50, 50, 12, 62, 12, 5, 30}, // character height 50
        {61, 48, 12, 60, 12, 4, 28},  // cell height 61: character height 61 * 4 / 5 = 48
    };
    for (const Case& c : cases) {
        TFont font;
        font.Height = c.height;
        const TTextMetric m = TRecordingCanvas::MetricsOf(font);
        EXPECT_EQ(m.tmAscent, c.ascent) << c.height;
        EXPECT_EQ(m.tmDescent, c.descent) << c.height;
        EXPECT_EQ(m.tmHeight, c.cell) << c.height;
        EXPECT_EQ(m.tmInternalLeading, c.internal) << c.height;
        EXPECT_EQ(m.tmExternalLeading, c.external) << c.height;
        EXPECT_EQ(m.tmAveCharWidth, c.average) << c.height;
        EXPECT_EQ(TRecordingCanvas::CharWidth(font), c.average) << c.height;
    }
}

TEST(RecordingCanvasMetrics, TextExtentCountsCodePointsAndBoldIsWider) {
    TRecordingCanvas canvas;
    canvas.Font.Height = -50;
    EXPECT_EQ(canvas.TextExtent("abc"), (vlSize{90, 62}));
    EXPECT_EQ(canvas.TextExtent("été€"), (vlSize{120, 62}));
    EXPECT_EQ(canvas.TextExtent(""), (vlSize{0, 62}));
    EXPECT_EQ(canvas.TextWidth("😀"), 30);
    EXPECT_EQ(canvas.TextHeight("x"), 62);
    EXPECT_EQ(canvas.GetTextMetrics().tmAscent, 50);
    canvas.Font.Style = fsBold | fsItalic;
    EXPECT_EQ(canvas.TextWidth("ab"), 70);
    EXPECT_EQ(canvas.GetTextMetrics().tmAveCharWidth, 30);
}

TEST(RecordingCanvasCalls, RecordTheirArgumentsAndPointsInOrder) {
    TRecordingCanvas canvas;
    const std::vector<vlPoint> points = {{0, 0}, {10, 5}, {20, -5}, {30, 0}};
    canvas.Rectangle(1, 2, 3, 4);
    canvas.RoundRect(1, 2, 3, 4, 5, 6);
    canvas.Ellipse(4, 3, 2, 1);
    canvas.Arc(1, 2, 3, 4, 5, 6, 7, 8);
    canvas.Pie(8, 7, 6, 5, 4, 3, 2, 1);
    canvas.FillRect({10, 20, 30, 40});
    canvas.TextOut(7, 9, "Bonjour");
    canvas.Polyline(points);
    canvas.Polygon(std::span(points).first(3));
    canvas.PolyBezier(points);
    const std::array<Op, 10> ops = {Op::Rectangle, Op::RoundRect, Op::Ellipse, Op::Arc,
                                    Op::Pie,       Op::FillRect,  Op::TextOut, Op::Polyline,
                                    Op::Polygon,   Op::PolyBezier};
    const std::array<std::vector<int>, 7> args = {{{1, 2, 3, 4},
                                                   {1, 2, 3, 4, 5, 6},
                                                   {4, 3, 2, 1},
                                                   {1, 2, 3, 4, 5, 6, 7, 8},
                                                   {8, 7, 6, 5, 4, 3, 2, 1},
                                                   {10, 20, 30, 40},
                                                   {7, 9}}};
    ASSERT_EQ(canvas.calls.size(), ops.size());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        EXPECT_EQ(canvas.calls[i].op, ops[i]) << i;
        EXPECT_EQ(canvas.calls[i].args, i < args.size() ? args[i] : std::vector<int>{}) << i;
    }
    EXPECT_EQ(canvas.calls[6].text, "Bonjour");
    EXPECT_EQ(canvas.calls[7].points, points);
    EXPECT_EQ(canvas.calls[8].points, std::vector<vlPoint>(points.begin(), points.begin() + 3));
    EXPECT_EQ(canvas.calls[9].points, points);
    EXPECT_EQ(canvas.Texts(), std::vector<std::string>{"Bonjour"});
    ASSERT_EQ(canvas.Of(Op::Ellipse).size(), 1u);
    EXPECT_EQ(canvas.Of(Op::Ellipse)[0].args, args[2]);

    // A picture is named by its format.
    TPicture picture;
    canvas.StretchDraw({1, 2, 3, 4}, picture);
    ASSERT_TRUE(picture.LoadFromBytes(PngHeader(2, 3)));
    canvas.StretchDraw({5, 6, 7, 8}, picture);
    const auto draws = canvas.Of(Op::StretchDraw);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].text, "");
    EXPECT_EQ(draws[1].text, "png");
    EXPECT_EQ(draws[1].args, (std::vector<int>{5, 6, 7, 8}));
    canvas.Clear();
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(RecordingCanvasCalls, EachCallKeepsTheStateInForce) {
    TRecordingCanvas canvas;
    canvas.Pen.Color = clRed;
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(0, 0, 1, 1);
    canvas.Pen.Color = clBlue;
    canvas.Pen.Style = psDash;
    canvas.Font.Name = "Arial";
    canvas.SetTextAlign(TA_CENTER | TA_BASELINE);
    canvas.SetBkMode(TRANSPARENT);
    canvas.IntersectClipRect(0, 0, 50, 50);
    canvas.TextOut(0, 0, "x");
    const TDrawCall& first = canvas.calls[0];
    EXPECT_EQ(first.pen, (TPen{clRed, 1, psSolid, pmCopy}));
    EXPECT_EQ(first.brush.Style, bsClear);
    EXPECT_EQ(first.font.Name, "Andika");
    EXPECT_EQ(first.textAlign, TA_LEFT | TA_TOP);
    EXPECT_EQ(first.bkMode, OPAQUE);
    EXPECT_FALSE(first.hasClip);
    const TDrawCall& second = canvas.calls[1];
    EXPECT_EQ(second.pen, (TPen{clBlue, 1, psDash, pmCopy}));
    EXPECT_EQ(second.font.Name, "Arial");
    EXPECT_EQ(second.textAlign, TA_CENTER | TA_BASELINE);
    EXPECT_EQ(second.bkMode, TRANSPARENT);
    EXPECT_TRUE(second.hasClip);
    EXPECT_EQ(second.clip, (vlRect{0, 0, 50, 50}));
}
