#include "host/HostFixtures.h"
#include "host/Services.h"
#include "platform/RecordingCanvas.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

using Op = TDrawCall::Op;

TEST(RectangleAff, OutlinesWithAVisiblePenElseFillsAndNothingWithoutArea) {
    // Pen width and style, brush style, rectangle, what is drawn (always at 0, 0, 10, 10).
    const std::tuple<int, int, TBrushStyle, vlRect, std::vector<Op>> cases[] = {
        {3, psSolid, bsSolid, {10, 10, 0, 0}, {Op::Rectangle}}, // given inverted
        {3, psClear, bsSolid, {0, 0, 10, 10}, {Op::FillRect}},
        {0, psDash, bsSolid, {0, 0, 10, 10}, {Op::FillRect}},
        {0, psClear, bsClear, {0, 0, 10, 10}, {}},
    };
    for (const auto& [width, style, brush, rect, ops] : cases) {
        TRecordingCanvas canvas;
        canvas.Brush.Style = brush;
        EXPECT_TRUE(RectangleAff(canvas, width, style, rect));
        std::vector<Op> drawn;
        for (const TDrawCall& call : canvas.calls) {
            drawn.push_back(call.op);
            EXPECT_EQ(call.args, (std::vector<int>{0, 0, 10, 10}));
        }
        EXPECT_EQ(drawn, ops) << width << " " << style;
    }
    TRecordingCanvas canvas;
    EXPECT_FALSE(RectangleAff(canvas, 1, psSolid, {10, 10, 10, 50})); // no area
    EXPECT_TRUE(canvas.calls.empty());
}

// The list's tests look pictures up in the data folder.
TEST(Aide, OpensTheTopicPageOfTheDataFolderWhenThereIsOne) {
    ScopedDataFolder data;
    std::filesystem::create_directories(data.folder().file("aide"));
    data.folder().put("aide/10.html", "<p>Opération</p>");
    TTestUi ui;
    TScopedUi scoped(ui);
    Aide(10, 0);
    Aide(135, 2);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(std::pair(ui.shown[0].kind, ui.shown[0].text),
              std::pair(std::string("help"), PathDonnees() + "aide/10.html"));
    EXPECT_EQ(ui.shown[1].text, "sujet 135, contexte 2");
}

} // namespace
