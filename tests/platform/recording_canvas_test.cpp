#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The deterministic metrics the layout tests compute with: from the character height (negative)
// or the cell height (positive, character height four fifths of it).
TEST(RecordingCanvasMetrics, FollowTheCharacterOrCellHeight) {
    using Metrics = std::tuple<int, int, int, int, int, int>;
    const auto metrics = [](int height) {
        TFont font;
        font.Height = height;
        const TTextMetric m = TRecordingCanvas::MetricsOf(font);
        EXPECT_EQ(TRecordingCanvas::CharWidth(font), m.tmAveCharWidth);
        return Metrics{m.tmAscent,          m.tmDescent,         m.tmHeight,
                       m.tmInternalLeading, m.tmExternalLeading, m.tmAveCharWidth};
    };
    EXPECT_EQ(metrics(-50), (Metrics{50, 12, 62, 12, 5, 30}));
    EXPECT_EQ(metrics(61), (Metrics{48, 12, 60, 12, 4, 28}));
}

TEST(RecordingCanvasMetrics, TextExtentCountsCodePointsAndBoldIsWider) {
    TRecordingCanvas canvas;
    canvas.Font.Height = -50;
    EXPECT_EQ(canvas.TextExtent("abc"), (vlSize{90, 62}));
    EXPECT_EQ(canvas.TextExtent("été€"), (vlSize{120, 62}));
    EXPECT_EQ(canvas.TextExtent(""), (vlSize{0, 62}));
    EXPECT_EQ(canvas.TextWidth("😀"), 30);
    canvas.Font.Style = fsBold | fsItalic;
    EXPECT_EQ(canvas.TextWidth("ab"), 70);
    EXPECT_EQ(canvas.GetTextMetrics().tmAveCharWidth, 30);
}

TEST(RecordingCanvasCalls, EachCallKeepsItsArgumentsAndTheStateInForce) {
    TRecordingCanvas canvas;
    canvas.Pen.Color = clRed;
    canvas.Brush.Style = bsClear;
    canvas.Pie(8, 7, 6, 5, 4, 3, 2, 1);
    canvas.Pen = TPen{clBlue, 1, psDash, pmCopy};
    canvas.Font.Name = "Arial";
    canvas.SetTextAlign(TA_CENTER | TA_BASELINE);
    canvas.SetBkMode(TRANSPARENT);
    canvas.IntersectClipRect(0, 0, 50, 50);
    canvas.TextOut(7, 9, "Bonjour");
    ASSERT_EQ(canvas.calls.size(), 2u);
    const TDrawCall& pie = canvas.calls[0];
    EXPECT_EQ(pie.args, (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(pie.pen, (TPen{clRed, 1, psSolid, pmCopy}));
    EXPECT_EQ(pie.brush.Style, bsClear);
    EXPECT_EQ(std::tuple(pie.font.Name, pie.textAlign, pie.bkMode, pie.hasClip),
              std::tuple("Andika", TA_LEFT | TA_TOP, OPAQUE, false));
    const TDrawCall& text = canvas.calls[1];
    EXPECT_EQ(text.args, (std::vector<int>{7, 9}));
    EXPECT_EQ(text.pen, (TPen{clBlue, 1, psDash, pmCopy}));
    EXPECT_EQ(std::tuple(text.font.Name, text.textAlign, text.bkMode, text.clip),
              std::tuple("Arial", TA_CENTER | TA_BASELINE, TRANSPARENT, vlRect{0, 0, 50, 50}));
    EXPECT_EQ(canvas.Texts(), std::vector<std::string>{"Bonjour"});
}

} // namespace
