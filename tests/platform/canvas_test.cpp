#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Counts the clip notifications a backend receives.
class ClipCountingCanvas : public TRecordingCanvas {
public:
    int clipChanges = 0;

protected:
    void ClipChanged() override { ++clipChanges; }
};

void setState(TCanvas& canvas, TColor color) {
    canvas.Pen.Color = color;
    canvas.Pen.Width = color & 0xF;
    canvas.Brush.Color = color;
    canvas.Font.Height = -int(color & 0xFF);
}

// Saves the states 0x11, 0x22 and 0x33 in turn, and leaves 0x44 in force.
void saveThreeStates(TCanvas& canvas) {
    for (const TColor color : {0x11, 0x22, 0x33}) {
        setState(canvas, color);
        canvas.SaveDC();
    }
    setState(canvas, 0x44);
}

} // namespace

TEST(CanvasState, LineToDrawsFromThePenPositionAndMovesIt) {
    TRecordingCanvas canvas;
    canvas.MoveTo(10, 20);
    canvas.LineTo(30, 40);
    canvas.LineTo(-5, 0);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].args, (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(canvas.calls[1].args, (std::vector<int>{30, 40, -5, 0}));
    EXPECT_EQ(canvas.PenPos(), (vlPoint{-5, 0}));
}

TEST(CanvasSaveRestore, LevelsCountFromOneAndRestoreDropsLaterSaves) {
    TRecordingCanvas canvas;
    saveThreeStates(canvas);
    ASSERT_TRUE(canvas.RestoreDC(2));
    EXPECT_EQ(canvas.Pen.Color, 0x22);
    EXPECT_EQ(canvas.Pen.Width, 2);
    EXPECT_EQ(canvas.Brush.Color, 0x22);
    EXPECT_EQ(canvas.Font.Height, -0x22);
    EXPECT_EQ(canvas.SaveDC(), 2); // levels 2 and 3 were dropped
    ASSERT_TRUE(canvas.RestoreDC(1));
    EXPECT_EQ(canvas.Pen.Color, 0x11);
    EXPECT_FALSE(canvas.RestoreDC(1));

    // Negative levels count back from the last save.
    saveThreeStates(canvas);
    ASSERT_TRUE(canvas.RestoreDC(-1));
    EXPECT_EQ(canvas.Pen.Color, 0x33);
    ASSERT_TRUE(canvas.RestoreDC(-2));
    EXPECT_EQ(canvas.Pen.Color, 0x11);
    EXPECT_EQ(canvas.SaveDC(), 1);
}

TEST(CanvasSaveRestore, InvalidLevelsFailAndChangeNothing) {
    TRecordingCanvas canvas;
    EXPECT_FALSE(canvas.RestoreDC(-1));
    setState(canvas, 0x11);
    canvas.SaveDC();
    canvas.SaveDC();
    setState(canvas, 0x55);
    for (const int level : {0, 3, 7, -3, -100}) {
        EXPECT_FALSE(canvas.RestoreDC(level)) << level;
        EXPECT_EQ(canvas.Pen.Color, 0x55) << level;
    }
    EXPECT_EQ(canvas.SaveDC(), 3);
}

TEST(CanvasSaveRestore, RestoresAlignmentBackgroundStyleAndClip) {
    ClipCountingCanvas canvas;
    canvas.SaveDC();
    canvas.IntersectClipRect(0, 0, 100, 100);
    canvas.SaveDC();
    canvas.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    canvas.SetBkMode(TRANSPARENT);
    canvas.Font.Style = fsBold;
    canvas.IntersectClipRect(50, 50, 200, 200);
    EXPECT_EQ(canvas.clipChanges, 2);
    ASSERT_TRUE(canvas.RestoreDC(-1));
    EXPECT_EQ(canvas.TextAlign(), TA_LEFT | TA_TOP);
    EXPECT_EQ(canvas.BkMode(), OPAQUE);
    EXPECT_EQ(canvas.Font.Style, 0);
    EXPECT_EQ(canvas.ClipRect(), (vlRect{0, 0, 100, 100}));
    EXPECT_EQ(canvas.clipChanges, 3);
    canvas.SaveDC();
    ASSERT_TRUE(canvas.RestoreDC(-1)); // same clip: no notification
    EXPECT_EQ(canvas.clipChanges, 3);
    ASSERT_TRUE(canvas.RestoreDC(1)); // saved before any clip
    EXPECT_FALSE(canvas.HasClip());
}

TEST(CanvasClip, IntersectsWithTheCurrentClipAndStaysEmptyOnceEmpty) {
    TRecordingCanvas canvas;
    EXPECT_FALSE(canvas.HasClip());
    canvas.IntersectClipRect(100, 80, 10, 20); // reversed corners are normalised
    EXPECT_EQ(canvas.ClipRect(), (vlRect{10, 20, 100, 80}));
    canvas.IntersectClipRect(50, 0, 200, 60);
    EXPECT_EQ(canvas.ClipRect(), (vlRect{50, 20, 100, 60}));
    canvas.Rectangle(0, 0, 1, 1);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_TRUE(canvas.calls[0].hasClip);
    EXPECT_EQ(canvas.calls[0].clip, (vlRect{50, 20, 100, 60}));

    canvas.IntersectClipRect(0, 0, 10, 10); // disjoint
    EXPECT_TRUE(canvas.HasClip());
    for (int pass = 0; pass < 2; ++pass) {
        const vlRect clip = canvas.ClipRect();
        EXPECT_EQ(clip.Width(), 0);
        EXPECT_EQ(clip.Height(), 0);
        EXPECT_FALSE(clip.Contient({5, 5}));
        EXPECT_FALSE(clip.Contient({60, 30}));
        canvas.IntersectClipRect(-100, -100, 100, 100);
    }
}

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
