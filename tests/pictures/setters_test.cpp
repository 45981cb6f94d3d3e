#include "pictures/Setters.h"

#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

TEST(AffectePen, AWidthBelowOneGivesAClearPen) {
    TRecordingCanvas canvas;
    TPen pinceau;
    AffectePen(canvas, pinceau, psSolid, clRed, 0);
    EXPECT_EQ(pinceau, (TPen{clRed, 1, psClear, pmCopy}));
    EXPECT_EQ(canvas.Pen, pinceau);
    AffectePen(canvas, pinceau, psDash, clBlue, -3);
    EXPECT_EQ(canvas.Pen, (TPen{clBlue, 1, psClear, pmCopy}));
}

TEST(AffectePen, OnlyASolidPenKeepsItsWidth) {
    TRecordingCanvas canvas;
    TPen pinceau;
    AffectePen(canvas, pinceau, psDot, clGreen, 12);
    EXPECT_EQ(canvas.Pen, (TPen{clGreen, 1, psDot, pmCopy}));
    AffectePen(canvas, pinceau, psInsideFrame, clGreen, 12);
    EXPECT_EQ(canvas.Pen, (TPen{clGreen, 1, psInsideFrame, pmCopy}));
    AffectePen(canvas, pinceau, psSolid, clGreen, 12);
    EXPECT_EQ(canvas.Pen, (TPen{clGreen, 12, psSolid, pmCopy}));
    EXPECT_EQ(pinceau, canvas.Pen);
}

TEST(AffecteBrush, SetsTheComponentsBrushAndTheCanvas) {
    TRecordingCanvas canvas;
    TBrush brosse;
    AffecteBrush(canvas, brosse, bsCross, clYellow);
    EXPECT_EQ(brosse, (TBrush{clYellow, bsCross}));
    EXPECT_EQ(canvas.Brush, brosse);
    // A clear style stays clear: only a colour given through the options makes it solid.
    AffecteBrush(canvas, brosse, bsClear, clRed);
    EXPECT_EQ(canvas.Brush, (TBrush{clRed, bsClear}));
}

TEST(ContenuVisible, HidesTheAnswerOnlyInTheOtherVersion) {
    for (const int mode : {0, 1, 2})
        EXPECT_TRUE(ContenuVisible(0, mode));
    EXPECT_TRUE(ContenuVisible(1, 0));
    EXPECT_TRUE(ContenuVisible(1, 1));
    EXPECT_FALSE(ContenuVisible(1, 2));
    EXPECT_TRUE(ContenuVisible(2, 2));
    EXPECT_FALSE(ContenuVisible(2, 1));
}

} // namespace
