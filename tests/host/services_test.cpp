#include "host/HostFixtures.h"
#include "host/Services.h"
#include "platform/RecordingCanvas.h"
#include "platform/TestPng.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <tuple>

namespace {

using Op = TDrawCall::Op;

double distance(vlPoint a, vlPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

TEST(Geometry, AngleIsCounterClockwiseOnThePageAndExtremaTakeEachCoordinate) {
    const vlPoint o{100, 100};
    const std::pair<vlPoint, double> cases[] = {{{150, 100}, 0},
                                                {{100, 50}, 90}, // up the page
                                                {{50, 100}, 180},
                                                {{100, 150}, 270},
                                                {{110, 90}, 45},
                                                {o, 0},
                                                {{150, 101}, 360 - 1.1457628}};
    for (const auto& [p, angle] : cases)
        EXPECT_NEAR(Angle(p, o), angle, 1e-6) << p.x << "," << p.y;

    const std::vector<vlPoint> points{{5, -2}, {-7, 9}, {3, 4}};
    EXPECT_EQ(Minima(points), (vlPoint{-7, -2}));
    EXPECT_EQ(Maxima(points), (vlPoint{5, 9}));
    EXPECT_EQ(Minima(std::vector<vlPoint>{{8, 9}}), (vlPoint{8, 9}));
    EXPECT_EQ(Maxima({}), (vlPoint{0, 0}));
    EXPECT_EQ(Minima({}), (vlPoint{0, 0}));
}

TEST(Geometry, ProjectionPerpGivesPointsOnBothSides) {
    vlPoint p1, p2;
    ProjectionPerp({0, 0}, {100, 0}, {50, 0}, 10.0, p1, p2);
    EXPECT_EQ(p1, (vlPoint{50, -10})); // left of the direction, up the page
    EXPECT_EQ(p2, (vlPoint{50, 10}));

    // A 3-4-5 direction: the offsets are exact.
    ProjectionPerp({0, 0}, {30, 40}, {30, 40}, 5.0, p1, p2);
    EXPECT_EQ(p1, (vlPoint{34, 37}));
    EXPECT_EQ(p2, (vlPoint{26, 43}));

    // Any direction: both at the distance, the segment p1 p2 perpendicular to a b.
    const vlPoint a{120, -40}, b{-310, 275}, m{-95, 117};
    ProjectionPerp(a, b, m, 100.0, p1, p2);
    EXPECT_NEAR(distance(p1, m), 100, 1);
    EXPECT_NEAR(distance(p2, m), 100, 1);
    const double dot = double(p2.x - p1.x) * (b.x - a.x) + double(p2.y - p1.y) * (b.y - a.y);
    EXPECT_NEAR(dot / (distance(p1, p2) * distance(a, b)), 0, 0.01);

    ProjectionPerp({5, 5}, {5, 5}, {7, 8}, 10.0, p1, p2);
    EXPECT_EQ(p1, (vlPoint{7, 8}));
    EXPECT_EQ(p2, (vlPoint{7, 8}));
}

TEST(RectangleAff, OutlinesWithAVisiblePenElseFills) {
    TRecordingCanvas canvas;
    EXPECT_TRUE(RectangleAff(canvas, 3, psSolid, {300, 200, 100, 50})); // given inverted
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].op, Op::Rectangle);
    EXPECT_EQ(canvas.calls[0].args, (std::vector<int>{100, 50, 300, 200}));

    for (const auto& [width, style] : {std::pair{3, int(psClear)}, std::pair{0, int(psDash)}}) {
        canvas.Clear();
        EXPECT_TRUE(RectangleAff(canvas, width, style, {0, 0, 10, 10}));
        ASSERT_EQ(canvas.calls.size(), 1u);
        EXPECT_EQ(canvas.calls[0].op, Op::FillRect);
    }

    canvas.Clear();
    EXPECT_FALSE(RectangleAff(canvas, 1, psSolid, {10, 10, 10, 50})); // no area
    EXPECT_FALSE(RectangleAff(canvas, 1, psSolid, {10, 10, 40, 10}));
    canvas.Brush.Style = bsClear;
    EXPECT_TRUE(RectangleAff(canvas, 0, psClear, {0, 0, 10, 10}));
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
    const auto texts = canvas.Of(Op::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    const int tops[] = {244, 281, 318};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const TDrawCall& t = texts[i];
        EXPECT_EQ(t.args, (std::vector<int>{600, tops[i]}));
        EXPECT_EQ(std::tuple(t.font.Height, t.font.Color, t.font.Name, t.textAlign, t.bkMode),
                  std::tuple(-30, RGB(128, 128, 128), GlobalFonte().Name, TA_CENTER | TA_TOP,
                             TRANSPARENT));
        EXPECT_EQ(t.clip, (vlRect{100, 0, 1100, 600}));
        EXPECT_TRUE(t.hasClip);
    }
    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"Opération1", "s'affiche sur", "Grille1"}));
    EXPECT_EQ(std::tuple(canvas.Font.Name, canvas.Font.Height, canvas.TextAlign(), canvas.BkMode()),
              std::tuple("Autre", -80, TA_LEFT | TA_BASELINE, OPAQUE));
    EXPECT_FALSE(canvas.HasClip());
}

TEST(InfoTexts, RegisteredTextsAreShownByHandle) {
    TTestUi ui;
    TScopedUi scoped(ui);
    const int a = EnregistreInfo("InfoEssaiA", "Premier texte.", 0);
    const int b = EnregistreInfo("InfoEssaiB", "Second texte.", 0);
    EXPECT_GE(a, 1);
    EXPECT_NE(a, b);
    EXPECT_EQ(TexteInfo(a), "Premier texte.");
    EXPECT_EQ(EnregistreInfo("InfoEssaiA", "Nouveau texte.", 0), a); // same name, same handle
    EXPECT_EQ(TexteInfo(a), "Nouveau texte.");

    AfficheInfoWindow(b);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, "info");
    EXPECT_EQ(ui.shown[0].title, "Information");
    EXPECT_EQ(ui.shown[0].text, "Second texte.");

    AfficheInfoWindow(0);
    AfficheInfoWindow(b + 1000);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(TexteInfo(-1), "");

    // Unknown names without a text of the program's own have none.
    EXPECT_FALSE(TexteInfo(EnregistreInfo("InfoMult", "", 0)).empty());
    EXPECT_EQ(TexteInfo(EnregistreInfo("InfoInconnue", "", 0)), "");
}

TEST(Aide, OpensTheTopicPageWhenThereIsOne) {
    ScopedDataFolder data;
    std::filesystem::create_directories(data.folder().file("aide"));
    data.folder().put("aide/10.html", "<p>Opération</p>");
    TTestUi ui;
    TScopedUi scoped(ui);
    Aide(10, 0);
    Aide(135, 2);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].kind, "help");
    EXPECT_EQ(ui.shown[0].text, PathDonnees() + "aide/10.html");
    EXPECT_EQ(ui.shown[1].text, "sujet 135, contexte 2");
}

TEST(ChargeBitmap, TriesTheUsualExtensions) {
    ScopedDataFolder data;
    const Bytes png = PngHeader(2, 3);
    data.folder().put("fond.png", std::string(png.begin(), png.end()));
    data.folder().put("faux.png", "pas une image");

    TPicture picture;
    picture.Transparent = true;
    ASSERT_TRUE(ChargeBitmap(picture, "fond"));
    EXPECT_EQ(picture.format(), TPicture::Format::Png);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_TRUE(picture.Transparent);

    TPicture named;
    EXPECT_TRUE(ChargeBitmap(named, "fond.png"));
    EXPECT_EQ(named.bytes(), picture.bytes());

    const TPicture before = picture;
    EXPECT_FALSE(ChargeBitmap(picture, "absente"));
    EXPECT_FALSE(ChargeBitmap(picture, "faux"));
    EXPECT_FALSE(ChargeBitmap(picture, "fond.jpg"));
    EXPECT_EQ(picture, before);
}

} // namespace
