#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

void setState(TCanvas& canvas, TColor color) {
    canvas.Pen.Color = color;
    canvas.Pen.Width = color & 0xF;
    canvas.Brush.Color = color;
    canvas.Font.Height = -int(color & 0xFF);
}

// Saves the states 0x11, 0x22 and 0x33 in turn, and leaves 0x44 in force, with its text to
// the bottom right, transparent and bold.
void saveThreeStates(TCanvas& canvas) {
    for (const TColor color : {0x11, 0x22, 0x33}) {
        setState(canvas, color);
        canvas.SaveDC();
    }
    setState(canvas, 0x44);
    canvas.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    canvas.SetBkMode(TRANSPARENT);
    canvas.Font.Style = fsBold;
}

} // namespace

// Levels count from one, negative ones back from the last save; a restore drops the later
// saves, and an invalid level fails and changes nothing.
TEST(CanvasSaveRestore, RestoresTheSavedLevelAndRefusesInvalidOnes) {
    TRecordingCanvas canvas;
    EXPECT_FALSE(canvas.RestoreDC(-1));
    saveThreeStates(canvas);
    for (const int level : {0, 4, 7, -4, -100}) {
        EXPECT_FALSE(canvas.RestoreDC(level)) << level;
        EXPECT_EQ(canvas.Pen.Color, 0x44) << level;
    }
    ASSERT_TRUE(canvas.RestoreDC(2));
    EXPECT_EQ(canvas.Pen.Color, 0x22);
    EXPECT_EQ(canvas.Pen.Width, 2);
    EXPECT_EQ(canvas.Brush.Color, 0x22);
    EXPECT_EQ(canvas.Font.Height, -0x22);
    EXPECT_EQ(canvas.TextAlign(), TA_LEFT | TA_TOP);
    EXPECT_EQ(canvas.BkMode(), OPAQUE);
    EXPECT_EQ(canvas.Font.Style, 0);
    EXPECT_EQ(canvas.SaveDC(), 2);
    ASSERT_TRUE(canvas.RestoreDC(1));
    EXPECT_FALSE(canvas.RestoreDC(1));

    saveThreeStates(canvas);
    ASSERT_TRUE(canvas.RestoreDC(-1));
    EXPECT_EQ(canvas.Pen.Color, 0x33);
    ASSERT_TRUE(canvas.RestoreDC(-2));
    EXPECT_EQ(canvas.Pen.Color, 0x11);
    EXPECT_EQ(canvas.SaveDC(), 1);
}

// Lines run from the pen position and move it; the clip is intersected with the current one,
// and stays empty once empty.
TEST(CanvasClip, LinesAreClippedByTheIntersectionOfTheClips) {
    TRecordingCanvas canvas;
    canvas.IntersectClipRect(100, 80, 10, 20); // reversed corners are normalised
    EXPECT_EQ(canvas.ClipRect(), (vlRect{10, 20, 100, 80}));
    canvas.IntersectClipRect(50, 0, 200, 60);
    canvas.MoveTo(10, 20);
    canvas.LineTo(30, 40);
    canvas.LineTo(-5, 0);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].args, (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(canvas.calls[1].args, (std::vector<int>{30, 40, -5, 0}));
    EXPECT_EQ(canvas.calls[1].clip, (vlRect{50, 20, 100, 60}));

    canvas.IntersectClipRect(0, 0, 10, 10); // disjoint
    canvas.IntersectClipRect(-100, -100, 100, 100);
    EXPECT_TRUE(canvas.HasClip());
    EXPECT_EQ(canvas.ClipRect().Width(), 0);
    EXPECT_EQ(canvas.ClipRect().Height(), 0);
    EXPECT_FALSE(canvas.ClipRect().Contient({5, 5}));
}
