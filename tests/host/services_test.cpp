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

TEST(Geometry, AnglesExtremaAndPerpendicularPoints) {
    const vlPoint o{100, 100};
    const std::pair<vlPoint, double> angles[] = {
        {{150, 100}, 0},  {{100, 50}, 90},
        {{50, 100}, 180}, {{100, 150}, 270},
        {o, 0},           {{150, 101}, 360 - 1.1457628}}; // up the page is 90; always below 360
    for (const auto& [p, angle] : angles)
        EXPECT_NEAR(Angle(p, o), angle, 1e-6) << p.x << "," << p.y;

    const std::vector<vlPoint> points{{5, -2}, {-7, 9}, {3, 4}};
    EXPECT_EQ(std::pair(Minima(points), Maxima(points)), std::pair(vlPoint{-7, -2}, vlPoint{5, 9}));
    EXPECT_EQ(std::pair(Minima({}), Maxima({})), std::pair(vlPoint{0, 0}, vlPoint{0, 0}));

    // A 3-4-5 direction: the offsets are exact, the first point on the left going from a to b.
    vlPoint p1, p2;
    ProjectionPerp({0, 0}, {30, 40}, {30, 40}, 5.0, p1, p2);
    EXPECT_EQ(std::pair(p1, p2), std::pair(vlPoint{34, 37}, vlPoint{26, 43}));
    ProjectionPerp({5, 5}, {5, 5}, {7, 8}, 10.0, p1, p2); // no direction: the point itself
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
    canvas.Font.Height = -80;
    canvas.SetTextAlign(TA_LEFT | TA_BASELINE);
    canvas.SetBkMode(OPAQUE);
    AfficheTexteSysteme(canvas, {100, 0, 1100, 600}, "Opération1\ns'affiche sur\nGrille1");

    // 3 mm characters: line height 30 + 30 / 4 = 37, block 111, top (600 - 111) / 2.
    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"Opération1", "s'affiche sur", "Grille1"}));
    const auto texts = canvas.Of(Op::TextOut);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const TDrawCall& t = texts[i];
        EXPECT_EQ(t.args, (std::vector<int>{600, 244 + 37 * int(i)}));
        EXPECT_EQ(std::tuple(t.font.Height, t.font.Color, t.font.Name, t.textAlign, t.bkMode,
                             t.hasClip, t.clip),
                  std::tuple(-30, RGB(128, 128, 128), GlobalFonte().Name, TA_CENTER | TA_TOP,
                             TRANSPARENT, true, vlRect{100, 0, 1100, 600}));
    }
    EXPECT_EQ(std::tuple(canvas.Font.Name, canvas.Font.Height, canvas.TextAlign(), canvas.BkMode(),
                         canvas.HasClip()),
              std::tuple("Autre", -80, TA_LEFT | TA_BASELINE, OPAQUE, false));
}

TEST(InfoTexts, RegisteredTextsAreShownByHandle) {
    TTestUi ui;
    TScopedUi scoped(ui);
    const int a = EnregistreInfo("InfoEssaiA", "Premier texte.", 0);
    const int b = EnregistreInfo("InfoEssaiB", "Second texte.", 0);
    EXPECT_GE(a, 1);
    EXPECT_NE(a, b);
    EXPECT_EQ(EnregistreInfo("InfoEssaiA", "Nouveau texte.", 0), a); // same name, same handle
    EXPECT_EQ(TexteInfo(a), "Nouveau texte.");
    for (const int handle : {b, 0, b + 1000})
        AfficheInfoWindow(handle);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(std::tuple(ui.shown[0].kind, ui.shown[0].title, ui.shown[0].text),
              std::tuple("info", "Information", "Second texte."));
    // Unknown names without a text of the program's own have none.
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
