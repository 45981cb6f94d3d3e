#include "host/HostFixtures.h"
#include "host/Services.h"
#include "platform/RecordingCanvas.h"
#include "platform/TestPng.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

using Op = TDrawCall::Op;

// The clock's tests check the usual directions; these are the edges.
TEST(Geometry, AnglesStayBelowAFullTurnAndAPointlessDirectionGivesThePoint) {
    EXPECT_NEAR(Angle({150, 101}, {100, 100}), 360 - 1.1457628, 1e-6);
    EXPECT_EQ(Angle({100, 100}, {100, 100}), 0);
    vlPoint p1, p2;
    ProjectionPerp({5, 5}, {5, 5}, {7, 8}, 10.0, p1, p2);
    EXPECT_EQ(std::pair(p1, p2), std::pair(vlPoint{7, 8}, vlPoint{7, 8}));
}

TEST(RectangleAff, OutlinesWithAVisiblePenElseFillsAndNothingWithoutArea) {
    // Pen width and style, brush style, rectangle, what is drawn (always at 0, 0, 10, 10).
    const std::tuple<int, int, TBrushStyle, vlRect, std::vector<Op>> cases[] = {
        {3, psSolid, bsSolid, {10, 10, 0, 0}, {Op::Rectangle}},
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
    EXPECT_FALSE(RectangleAff(canvas, 1, psSolid, {10, 10, 40, 10}));
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(AfficheTexteSysteme, GreyLinesCentredAndClippedThenStateRestored) {
    TRecordingCanvas canvas;
    canvas.Font.Name = "Autre";
    canvas.SetTextAlign(TA_LEFT | TA_BASELINE);
    AfficheTexteSysteme(canvas, {100, 0, 1100, 600}, "Opération1\ns'affiche sur\nGrille1");
    // 3 mm characters: line height 30 + 30 / 4 = 37, block 111, top (600 - 111) / 2.
    const auto texts = canvas.Of(Op::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const TDrawCall& t = texts[i];
        EXPECT_EQ(t.args, (std::vector<int>{600, 244 + 37 * int(i)}));
        EXPECT_EQ(std::tuple(t.font.Height, t.font.Color, t.font.Name, t.textAlign, t.clip),
                  std::tuple(-30, RGB(128, 128, 128), GlobalFonte().Name, TA_CENTER | TA_TOP,
                             vlRect{100, 0, 1100, 600}));
    }
    EXPECT_EQ(std::tuple(canvas.Font.Name, canvas.TextAlign(), canvas.HasClip()),
              std::tuple("Autre", TA_LEFT | TA_BASELINE, false));
}

TEST(InfoTexts, ANameKeepsItsHandleAndUnknownHandlesShowNothing) {
    TTestUi ui;
    TScopedUi scoped(ui);
    const int a = EnregistreInfo("InfoEssaiA", "Premier texte.", 0);
    EXPECT_EQ(EnregistreInfo("InfoEssaiA", "Nouveau texte.", 0), a);
    EXPECT_EQ(TexteInfo(a), "Nouveau texte.");
    AfficheInfoWindow(0);
    AfficheInfoWindow(a + 1000);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(TexteInfo(EnregistreInfo("InfoInconnue", "", 0)), "");
}

TEST(DataFolder, HelpPagesAndPicturesAreFoundThere) {
    ScopedDataFolder data;
    std::filesystem::create_directories(data.folder().file("aide"));
    data.folder().put("aide/10.html", "<p>Opération</p>");
    TTestUi ui;
    TScopedUi scoped(ui);
    Aide(10, 0);
    Aide(135, 2);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text, PathDonnees() + "aide/10.html");
    EXPECT_EQ(ui.shown[1].text, "sujet 135, contexte 2");

    const Bytes png = PngHeader(2, 3);
    data.folder().put("fond.png", std::string(png.begin(), png.end()));
    data.folder().put("faux.png", "pas une image");
    TPicture picture;
    picture.Transparent = true;
    ASSERT_TRUE(ChargeBitmap(picture, "fond")); // the usual extensions are tried
    EXPECT_EQ(std::tuple(picture.bytes(), picture.Transparent), std::tuple(png, true));
    const TPicture before = picture;
    for (const char* nom : {"absente", "faux", "fond.jpg"})
        EXPECT_FALSE(ChargeBitmap(picture, nom)) << nom;
    EXPECT_EQ(picture, before);
}

} // namespace
