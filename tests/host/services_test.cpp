#include "host/Services.h"
#include "platform/RecordingCanvas.h"
#include "platform/TempFolder.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

using Op = TDrawCall::Op;

// Points the data folder at a scratch folder while it lives.
class ScopedDataFolder {
public:
    ScopedDataFolder() : previous_(PathDonnees()) { PathDonnees() = folder_.path() + "/"; }
    ~ScopedDataFolder() { PathDonnees() = previous_; }
    ScopedDataFolder(const ScopedDataFolder&) = delete;
    ScopedDataFolder& operator=(const ScopedDataFolder&) = delete;
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
    std::string previous_;
};

std::string pngHeader() {
    const unsigned char bytes[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0,
                                   0,    13,  'I', 'H', 'D',  'R',  0,    0,    0, 2,
                                   0,    0,   0,   3,   8,    6,    0,    0,    0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

double distance(vlPoint a, vlPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

TEST(Values, DefaultsOfTheHost) {
    EXPECT_EQ(GlobalFonte().Name, "Andika");
    EXPECT_EQ(GlobalFonte().Height, -49);
    EXPECT_EQ(GlobalFonte().Size(), 14);
    EXPECT_EQ(GlobalFonte().Color, clBlack);
    EXPECT_EQ(ModeVisu(), 0);
    EXPECT_EQ(RegPath(), "Software/Vorlane");
    ASSERT_FALSE(PathDonnees().empty());
    EXPECT_EQ(PathDonnees().back(), '/');
    EXPECT_EQ(FichIni(), ConfigDirectory() + "/vorlane.ini");
}

TEST(Geometry, AngleIsCounterClockwiseOnThePage) {
    const vlPoint o{100, 100};
    EXPECT_DOUBLE_EQ(Angle({150, 100}, o), 0);
    EXPECT_DOUBLE_EQ(Angle({100, 50}, o), 90); // up the page
    EXPECT_DOUBLE_EQ(Angle({50, 100}, o), 180);
    EXPECT_DOUBLE_EQ(Angle({100, 150}, o), 270);
    EXPECT_DOUBLE_EQ(Angle({110, 90}, o), 45);
    EXPECT_NEAR(Angle({150, 101}, o), 360 - 1.1457628, 1e-6);
    EXPECT_DOUBLE_EQ(Angle(o, o), 0);
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

TEST(Geometry, MinimaAndMaxima) {
    const std::vector<vlPoint> points{{5, -2}, {-7, 9}, {3, 4}};
    EXPECT_EQ(Minima(points), (vlPoint{-7, -2}));
    EXPECT_EQ(Maxima(points), (vlPoint{5, 9}));
    const std::vector<vlPoint> one{{8, 9}};
    EXPECT_EQ(Minima(one), (vlPoint{8, 9}));
    EXPECT_EQ(Maxima({}), (vlPoint{0, 0}));
    EXPECT_EQ(Minima({}), (vlPoint{0, 0}));
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
    canvas.Brush.Style = bsClear;
    EXPECT_TRUE(RectangleAff(canvas, 0, psClear, {0, 0, 10, 10}));
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(RectangleAff, NoAreaDrawsNothing) {
    TRecordingCanvas canvas;
    EXPECT_FALSE(RectangleAff(canvas, 1, psSolid, {10, 10, 10, 50}));
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
    const auto texts = canvas.Of(Op::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    const int tops[] = {244, 281, 318};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].args, (std::vector<int>{600, tops[i]}));
        EXPECT_EQ(texts[i].font.Height, -30);
        EXPECT_EQ(texts[i].font.Color, RGB(128, 128, 128));
        EXPECT_EQ(texts[i].font.Name, GlobalFonte().Name);
        EXPECT_EQ(texts[i].textAlign, TA_CENTER | TA_TOP);
        EXPECT_EQ(texts[i].bkMode, TRANSPARENT);
        EXPECT_TRUE(texts[i].hasClip);
        EXPECT_EQ(texts[i].clip, (vlRect{100, 0, 1100, 600}));
    }
    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"Opération1", "s'affiche sur", "Grille1"}));
    EXPECT_EQ(canvas.Font.Name, "Autre");
    EXPECT_EQ(canvas.Font.Height, -80);
    EXPECT_EQ(canvas.TextAlign(), TA_LEFT | TA_BASELINE);
    EXPECT_EQ(canvas.BkMode(), OPAQUE);
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
}

TEST(InfoTexts, TheMultiplicationNoticeIsTheProgramsOwn) {
    const int handle = EnregistreInfo("InfoMult", "", 0);
    const std::string text = TexteInfo(handle);
    EXPECT_NE(text.find("produits partiels"), std::string::npos) << text;
    EXPECT_NE(text.find("posée"), std::string::npos) << text;
    EXPECT_NE(text.find("nombres entiers"), std::string::npos) << text;
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
    data.folder().put("fond.png", pngHeader());
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
