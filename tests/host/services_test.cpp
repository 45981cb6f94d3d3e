#include "host/HostFixtures.h"
#include "host/Services.h"
#include "platform/RecordingCanvas.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// A topic or a window opens its page; a topic without a page, a page not installed or a name
// that is not a window's opens the contents, with a note that says which.
TEST(Aide, OpensThePageOfATopicOrAWindowElseTheContentsWithANote) {
    ScopedDataFolder data;
    std::filesystem::create_directories(data.folder().file("help"));
    for (const char* page : {"index", "Operation", "OperProp"})
        data.folder().put("help/" + std::string(page) + ".md", "# Page\n");
    // Kinds give their pages as a catalogue learns them.
    EnregistrePageAide(10, "Operation");
    EnregistrePageAide(135, "Sudoku");
    TTestUi ui;
    TScopedUi scoped(ui);
    // What is asked, the page opened, what the note names ("" for no note).
    const std::tuple<std::function<void()>, std::string, std::string> cases[] = {
        {[] { Aide(10, 0); }, "Operation.md", ""},
        {[] { AideFiche("OperProp"); }, "OperProp.md", ""},
        {[] { Aide(1, 3); }, "index.md", "sujet d'aide 1 (contexte 3)"},
        {[] { Aide(500, 0); }, "index.md", "sujet d'aide 500"},
        {[] { Aide(135, 0); }, "index.md", "«\u00A0Sudoku.md\u00A0» n'est pas installée"},
        {[] { AideFiche("../Operation"); }, "index.md",
         "«\u00A0../Operation\u00A0» n'a pas de page"},
    };
    for (const auto& [ask, page, note] : cases) {
        ui.shown.clear();
        ask();
        ASSERT_EQ(ui.shown.size(), 1u) << page;
        EXPECT_EQ(ui.shown[0].text, PathDonnees() + "help/" + page);
        EXPECT_EQ(ui.shown[0].title.empty(), note.empty()) << ui.shown[0].title;
        EXPECT_NE(ui.shown[0].title.find(note), std::string::npos) << ui.shown[0].title;
    }
}

} // namespace
