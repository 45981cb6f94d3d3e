#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Op = TDrawCall::Op;

std::vector<std::uint8_t> tinyPng() {
    return {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D',
            'R',  0,   0,   0,   2,    0,    0,    0,    3, 8, 2, 0,  0,   0};
}

} // namespace

TEST(RecordingCanvasMetrics, FollowTheCharacterHeight) {
    TFont font;
    font.Height = -50;
    const TTextMetric m = TRecordingCanvas::MetricsOf(font);
    EXPECT_EQ(m.tmAscent, 50);
    EXPECT_EQ(m.tmDescent, 12);
    EXPECT_EQ(m.tmHeight, 62);
    EXPECT_EQ(m.tmInternalLeading, 12);
    EXPECT_EQ(m.tmExternalLeading, 5);
    EXPECT_EQ(m.tmAveCharWidth, 30);
    EXPECT_EQ(TRecordingCanvas::CharWidth(font), 30);
    font.Style = fsBold | fsItalic;
    EXPECT_EQ(TRecordingCanvas::CharWidth(font), 35);
    EXPECT_EQ(TRecordingCanvas::MetricsOf(font).tmAveCharWidth, 30);
}

TEST(RecordingCanvasMetrics, PositiveHeightIsTheCellHeight) {
    TFont font;
    font.Height = 61; // character height 61 * 4 / 5 = 48
    const TTextMetric m = TRecordingCanvas::MetricsOf(font);
    EXPECT_EQ(m.tmAscent, 48);
    EXPECT_EQ(m.tmDescent, 12);
    EXPECT_EQ(m.tmHeight, 60);
    EXPECT_EQ(m.tmExternalLeading, 4);
    EXPECT_EQ(TRecordingCanvas::CharWidth(font), 28);
}

TEST(RecordingCanvasMetrics, TextExtentCountsCodePoints) {
    TRecordingCanvas canvas;
    canvas.Font.Height = -50;
    EXPECT_EQ(canvas.TextExtent("abc"), (vlSize{90, 62}));
    EXPECT_EQ(canvas.TextExtent("été€"), (vlSize{120, 62}));
    EXPECT_EQ(canvas.TextExtent(""), (vlSize{0, 62}));
    EXPECT_EQ(canvas.TextWidth("😀"), 30);
    EXPECT_EQ(canvas.TextHeight("x"), 62);
    EXPECT_EQ(canvas.GetTextMetrics().tmAscent, 50);
    canvas.Font.Style = fsBold;
    EXPECT_EQ(canvas.TextWidth("ab"), 70);
}

TEST(RecordingCanvasCalls, RecordTheirArgumentsInOrder) {
    TRecordingCanvas canvas;
    canvas.Rectangle(1, 2, 3, 4);
    canvas.RoundRect(1, 2, 3, 4, 5, 6);
    canvas.Ellipse(4, 3, 2, 1);
    canvas.Arc(1, 2, 3, 4, 5, 6, 7, 8);
    canvas.Pie(8, 7, 6, 5, 4, 3, 2, 1);
    canvas.FillRect({10, 20, 30, 40});
    canvas.TextOut(7, 9, "Bonjour");
    ASSERT_EQ(canvas.calls.size(), 7u);
    const std::array<Op, 7> ops = {Op::Rectangle, Op::RoundRect, Op::Ellipse, Op::Arc,
                                   Op::Pie,       Op::FillRect,  Op::TextOut};
    const std::array<std::vector<int>, 7> args = {{{1, 2, 3, 4},
                                                   {1, 2, 3, 4, 5, 6},
                                                   {4, 3, 2, 1},
                                                   {1, 2, 3, 4, 5, 6, 7, 8},
                                                   {8, 7, 6, 5, 4, 3, 2, 1},
                                                   {10, 20, 30, 40},
                                                   {7, 9}}};
    for (std::size_t i = 0; i < ops.size(); ++i) {
        EXPECT_EQ(canvas.calls[i].op, ops[i]) << i;
        EXPECT_EQ(canvas.calls[i].args, args[i]) << i;
    }
    EXPECT_EQ(canvas.calls[6].text, "Bonjour");
}

TEST(RecordingCanvasCalls, PointListsKeepTheirPoints) {
    TRecordingCanvas canvas;
    const std::vector<vlPoint> points = {{0, 0}, {10, 5}, {20, -5}, {30, 0}};
    canvas.Polyline(points);
    canvas.Polygon(std::span(points).first(3));
    canvas.PolyBezier(points);
    ASSERT_EQ(canvas.calls.size(), 3u);
    EXPECT_EQ(canvas.calls[0].op, Op::Polyline);
    EXPECT_EQ(canvas.calls[0].points, points);
    EXPECT_EQ(canvas.calls[1].op, Op::Polygon);
    EXPECT_EQ(canvas.calls[1].points, std::vector<vlPoint>(points.begin(), points.begin() + 3));
    EXPECT_EQ(canvas.calls[2].op, Op::PolyBezier);
    EXPECT_EQ(canvas.calls[2].points, points);
    EXPECT_TRUE(canvas.calls[0].args.empty());
}

TEST(RecordingCanvasCalls, StretchDrawNamesTheFormat) {
    TRecordingCanvas canvas;
    TPicture picture;
    canvas.StretchDraw({1, 2, 3, 4}, picture);
    ASSERT_TRUE(picture.LoadFromBytes(tinyPng()));
    canvas.StretchDraw({5, 6, 7, 8}, picture);
    const auto draws = canvas.Of(Op::StretchDraw);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].text, "");
    EXPECT_EQ(draws[1].text, "png");
    EXPECT_EQ(draws[1].args, (std::vector<int>{5, 6, 7, 8}));
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
    EXPECT_EQ(first.pen.Color, clRed);
    EXPECT_EQ(first.pen.Style, psSolid);
    EXPECT_EQ(first.brush.Style, bsClear);
    EXPECT_EQ(first.font.Name, "Andika");
    EXPECT_EQ(first.textAlign, TA_LEFT | TA_TOP);
    EXPECT_EQ(first.bkMode, OPAQUE);
    EXPECT_FALSE(first.hasClip);
    const TDrawCall& second = canvas.calls[1];
    EXPECT_EQ(second.pen.Color, clBlue);
    EXPECT_EQ(second.pen.Style, psDash);
    EXPECT_EQ(second.font.Name, "Arial");
    EXPECT_EQ(second.textAlign, TA_CENTER | TA_BASELINE);
    EXPECT_EQ(second.bkMode, TRANSPARENT);
    EXPECT_TRUE(second.hasClip);
    EXPECT_EQ(second.clip, (vlRect{0, 0, 50, 50}));
}

TEST(RecordingCanvasCalls, OfAndTextsSelectInOrder) {
    TRecordingCanvas canvas;
    canvas.TextOut(0, 0, "un");
    canvas.Rectangle(0, 0, 1, 1);
    canvas.TextOut(0, 10, "deux");
    canvas.MoveTo(0, 0);
    canvas.LineTo(5, 5);
    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"un", "deux"}));
    EXPECT_EQ(canvas.Of(Op::TextOut).size(), 2u);
    EXPECT_EQ(canvas.Of(Op::TextOut)[1].args, (std::vector<int>{0, 10}));
    EXPECT_EQ(canvas.Of(Op::Line).size(), 1u);
    EXPECT_TRUE(canvas.Of(Op::Pie).empty());
    canvas.Clear();
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_TRUE(canvas.Texts().empty());
}
