#include "pictures/Boulier.h"

#include "PictureTest.h"
#include "platform/Random.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using Op = TDrawCall::Op;
using Tiges = std::map<int, std::vector<int>>;

class BoulierTest : public PictureTest {
protected:
    BoulierTest() { SeedRandom(20); }
    ~BoulierTest() override { ModeVisu() = MODE_EDITION; }

    // 13.6 x 11.6 cm at (100, 100), then the settings.
    TvlBoulier& Boulier(const std::vector<std::string>& reglages) {
        TvlBoulier& b = Nouveau<TvlBoulier>("Boulier", {"Largeur=13,6", "Hauteur=11,6"});
        for (const std::string& r : reglages)
            Regle(b, {r});
        return b;
    }

    // Along each rod, from the left or top: the beads' places or colours, each wholly inside.
    static Tiges ParTige(const TRecordingCanvas& canvas, const TComposant& c, bool horizontal,
                         bool couleurs = false) {
        std::vector<TDrawCall> boules = canvas.Of(Op::Ellipse);
        std::sort(boules.begin(), boules.end(),
                  [](const TDrawCall& a, const TDrawCall& b) { return a.args < b.args; });
        const vlRect r = c.Rect.Normalise();
        Tiges tiges;
        for (const TDrawCall& e : boules) {
            EXPECT_TRUE(e.args[0] >= r.left && e.args[1] >= r.top && e.args[2] <= r.right &&
                        e.args[3] <= r.bottom);
            const int x = (e.args[0] + e.args[2]) / 2, y = (e.args[1] + e.args[3]) / 2;
            tiges[horizontal ? y : x].push_back(couleurs ? e.brush.Color : horizontal ? x : y);
        }
        return tiges;
    }
};

// A border of 30 (58 capped), inside it 1300 x 1100, rods 100 apart from 230, beads of 90
// (1300 / 13, capped to 1100 x 9 / 110) from 175 or from 1385. Counted beads fill the rods in
// turn, pushed to each type's own end; upright (11.6 x 13.6 cm), the same turned.
TEST_F(BoulierTest, ThirtySevenOnTheFourBeadFrames) {
    const int k[10] = {10, 10, 10, 7, 0, 0, 0, 0, 0, 0};
    for (const auto& [type, horizontal, auDebut] :
         {std::tuple(0, true, true), {1, true, false}, {2, false, false}, {3, false, true}}) {
        SCOPED_TRACE(type);
        TvlBoulier& b = Boulier({"ValeurBoulier=37", "TypeBoulier=" + std::to_string(type)});
        if (!horizontal)
            Regle(b, {"Largeur=11,6", "Hauteur=13,6"});
        const TRecordingCanvas canvas = Dessin(b);
        EXPECT_EQ(canvas.Of(Op::FillRect).front().args,
                  (std::vector<int>{100, 100, 130, horizontal ? 1260 : 1460}));
        Tiges attendu, couleurs;
        for (int i = 0; i < 10; ++i) {
            const int debut = auDebut ? k[i] : 10 - k[i];
            for (int j = 0; j < 10; ++j) // from the other end: 1385 - 90 (9 - j)
                attendu[230 + 100 * i].push_back(j < debut ? 175 + 90 * j : 575 + 90 * j);
            couleurs[230 + 100 * i].assign(10, (TColor[]){clYellow, clBlue, clRed}[i % 3]);
        }
        EXPECT_EQ(ParTige(canvas, b, horizontal), attendu);
        EXPECT_EQ(ParTige(canvas, b, horizontal, true), couleurs);
    }
}

// 5 x 10 cm: a base bar of 30, rods at 200, 300, 400, 500, beads of 90 (1000 / 10, capped to
// 500 x 9 / 50) stacked from 1025. 305: 5 on the rightmost rod, 0, 3, nothing on the leftmost.
// Colouring stacks the whole base on the rods that show a digit, the digit's beads coloured.
TEST_F(BoulierTest, ThreeHundredAndFiveOnASpikeAbacus) {
    // From the top, n beads up from 1025: their y, or their colours (the last k counted).
    const auto pile = [](int n, int k, int autre, bool couleurs) {
        std::vector<int> v;
        for (int j = n - 1; j >= 0; --j)
            v.push_back(!couleurs ? 1025 - 90 * j : j < k ? 128 : autre);
        return v;
    };
    for (const int fonctionnement : {0, 1, 2}) {
        SCOPED_TRACE(fonctionnement);
        TvlBoulier& b =
            Boulier({"Largeur=5", "Hauteur=10", "TypeBoulier=4", "NbTiges=4", "ValeurBoulier=305",
                     "CouleurBoulesDepl=128", "Fonctionnement=" + std::to_string(fonctionnement)});
        const TRecordingCanvas canvas = Dessin(b);
        EXPECT_EQ(canvas.Of(Op::Rectangle).front().args, (std::vector<int>{100, 1070, 600, 1100}));
        EXPECT_EQ(canvas.Of(Op::Line).size(), 4u);
        for (const bool c : {false, true}) {
            const int W = clWhite;
            const Tiges colorie{
                {300, pile(10, 3, W, c)}, {400, pile(10, 0, W, c)}, {500, pile(10, 5, W, c)}};
            const Tiges pousse{{300, pile(3, 0, clBlue, c)}, {500, pile(5, 0, clYellow, c)}};
            EXPECT_EQ(ParTige(canvas, b, false, c), fonctionnement == 2 ? colorie : pousse);
        }
    }
    EXPECT_EQ(Boulier({"TypeBoulier=4", "NbTiges=4", "ValeurBoulier=305"}).Description().back(),
              "Chiffres par tige\u00A0: - 3 0 5");
}

// Base 2: beads of a fifth of the length; 2000 fills a 4-rod frame, leaves 0 digits (11111010000)
// on the abacus; 0 moves nothing; a frame too small for beads over 1 shows its rods alone.
TEST_F(BoulierTest, SmallBasesNothingCountedAndNoRoomForBeads) {
    const std::vector<int> deux{229, 427}; // 1300 / 5 = 260, capped to 1100 x 9 / 50
    const std::pair<std::vector<std::string>, Tiges> cases[] = {
        {{"Base=2", "NbTiges=4", "ValeurBoulier=2000"},
         {{350, deux}, {570, deux}, {790, deux}, {1010, deux}}},
        // Beads of 408 (1360 x 9 / 30) from 1260 - 30 - 204.
        {{"TypeBoulier=4", "Base=2", "NbTiges=2", "ValeurBoulier=2000", "Fonctionnement=2"},
         {{553, {618, 1026}}, {1006, {618, 1026}}}},
        {{"NbTiges=1", "ValeurBoulier=0"},
         {{680, {480, 580, 680, 780, 880, 980, 1080, 1180, 1280, 1380}}}},
        {{"Largeur=0,2", "Hauteur=0,2", "ValeurBoulier=50"}, {}},
    };
    for (const auto& [reglages, tiges] : cases) {
        SCOPED_TRACE(::testing::PrintToString(reglages));
        TvlBoulier& b = Boulier(reglages);
        const TRecordingCanvas canvas = Dessin(b);
        EXPECT_EQ(ParTige(canvas, b, b.Bloc().TypeBoulier != TvlBoulier::ABAQUE), tiges);
        EXPECT_EQ(canvas.Of(Op::Line).size(), std::size_t(b.Bloc().NbTiges));
    }
    EXPECT_EQ(Boulier(cases[0].first).Description().back(), "Le boulier ne montre que 8 sur 2000");
}

// A number the beads or the rods cannot hold is drawn in part, and the frame warns with the
// number drawn; one that fits says nothing.
TEST_F(BoulierTest, ANumberDrawnInPartIsNamedInAWarning) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"NbTiges=10", "Base=10", "ValeurBoulier=250"},
         "250 ne tient pas sur 10 tiges\u00A0: le dessin montre 100"},
        {{"TypeBoulier=4", "NbTiges=3", "Base=10", "ValeurBoulier=12345"},
         "12345 ne tient pas sur 3 tiges\u00A0: le dessin montre 345"},
        {{"TypeBoulier=4", "NbTiges=1", "Base=2", "ValeurBoulier=2"},
         "2 ne tient pas sur 1 tige\u00A0: le dessin montre 0"},
        {{"NbTiges=10", "Base=10", "ValeurBoulier=100"}, ""},
        {{"TypeBoulier=4", "NbTiges=3", "Base=10", "ValeurBoulier=999"}, ""},
    };
    for (const auto& [reglages, avertissement] : cases) {
        const TvlBoulier& b = Boulier(reglages);
        EXPECT_EQ(b.AvertissementCadre(),
                  avertissement.empty() ? "" : b.Nom() + "\u00A0: " + avertissement);
    }
}

// Moving beads in two column colours (1 red, 2 yellow): a group counted from the left or top
// takes colour 1 for j < B / 2, one counted from the other end for B - j > B / 2.
TEST_F(BoulierTest, ColumnColoursForBasesTenAndFive) {
    constexpr TColor R = clRed, Y = clYellow;
    TvlBoulier& b = Boulier({"NbTiges=2", "ValeurBoulier=13", "ColorerRangeesColonnes=1"});
    EXPECT_EQ(ParTige(Dessin(b), b, true, true), (Tiges{{496, {R, R, R, R, R, Y, Y, Y, Y, Y}},
                                                        {863, {R, R, R, Y, Y, R, R, R, R, R}}}));
    Regle(b, {"Base=5", "ValeurBoulier=3"});
    EXPECT_EQ(ParTige(Dessin(b), b, true, true),
              (Tiges{{496, {R, R, Y, R, R}}, {863, {Y, Y, R, R, R}}}));
}

// "Mode" 2, test version: the first layout leaves the beads out, the moving frame (following the
// version on show) leaves them at rest, the moving abacus shows them, colouring leaves them
// white. Beads that answer: at the counting end's first place (175), or not white.
TEST_F(BoulierTest, WhatEachWorkingModeHides) {
    // clang-format off
    const std::tuple<int, int, int, int, int> cases[] = {
        // Fonctionnement, TypeBoulier, ModeVisu, beads, beads that answer
        {0, 0, MODE_EPREUVE, 0, 0},    {0, 4, MODE_EPREUVE, 0, 0},
        {1, 0, MODE_EPREUVE, 100, 0},  {1, 0, MODE_CORRIGE, 100, 4},
        {1, 4, MODE_EPREUVE, 10, 10},  {2, 0, MODE_EPREUVE, 100, 0},
        {2, 4, MODE_EPREUVE, 20, 0},
    };
    // clang-format on
    for (const auto& [fonctionnement, type, visu, nombre, reponses] : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::tuple(fonctionnement, type, visu)));
        TvlBoulier& b = Boulier({"ValeurBoulier=37", "Mode=2",
                                 "Fonctionnement=" + std::to_string(fonctionnement),
                                 "TypeBoulier=" + std::to_string(type)});
        const bool couleurs = type == TvlBoulier::ABAQUE || fonctionnement == 2;
        ModeVisu() = visu;
        int vues = 0, repondues = 0;
        for (const auto& [tige, v] : ParTige(Dessin(b, MODE_EPREUVE), b, type != 4, couleurs)) {
            vues += int(v.size());
            repondues += int(couleurs ? v.size() - std::count(v.begin(), v.end(), int(clWhite))
                                      : std::count(v.begin(), v.end(), 175));
        }
        EXPECT_EQ(std::pair(vues, repondues), std::pair(nombre, reponses));
        ModeVisu() = MODE_CORRIGE;
        EXPECT_FALSE(Dessin(b, MODE_CORRIGE).Of(Op::Ellipse).empty());
    }
}

// A version-1 record (44 bytes of block) reads with the settings it lacked, and saves as the
// current version; a newer version is refused. A type beyond 0..4 is brought back in range.
TEST_F(BoulierTest, RecordsVersionsAndTypeRange) {
    TvlBoulier& source = Boulier({"TypeBoulier=3", "Base=7", "NbTiges=5", "CouleurRangee2=4660",
                                  "Fonctionnement=2", "ColorerRangeesColonnes=1", "CouleurCol2=9"});
    source.Bloc().ValeurV1 = 23;
    Relu("Boulier", source);
    const auto relit = [&](std::uint8_t version, std::size_t coupe = 0) {
        TMemoryStream v2;
        EXPECT_TRUE(source.Sauve(v2));
        std::vector<std::uint8_t> octets = v2.Bytes();
        octets[0] = version;
        octets.resize(octets.size() - coupe);
        TMemoryStream flux(octets);
        TvlBoulier& lu = Boulier({});
        return lu.Charge(flux, nullptr, &document_.Cadre(0)) ? &lu : nullptr;
    };
    TvlBoulier* lu = relit(1, sizeof(BoulierOptions) - TvlBoulier::TAILLE_V1);
    ASSERT_NE(lu, nullptr);
    const BoulierOptions& o = lu->Bloc();
    EXPECT_EQ(std::tuple(o.TypeBoulier, o.Base, o.NbTiges, o.CouleurRangee2, o.Fonctionnement,
                         o.ColorerRangeesColonnes, o.CouleurCol1, o.CouleurCol2,
                         o.CouleurBoulesDepl, o.ValeurBoulier),
              std::tuple(3, 7, 5, 4660, 0, 0, 255, 0xFF0000, 255, 23));
    EXPECT_EQ(lu->Version, TvlBoulier::VERSION); // what it saves
    EXPECT_EQ(relit(TvlBoulier::VERSION + 1), nullptr);

    source.Bloc().TypeBoulier = 9;
    ASSERT_NE(lu = relit(2), nullptr);
    EXPECT_EQ(lu->Bloc().TypeBoulier, 4);
    for (const auto& [texte, type] : {std::pair("-3", 0), {"9", 4}, {"trois", 0}, {"2", 2}}) {
        Regle(*lu, {std::string("TypeBoulier=") + texte});
        EXPECT_EQ(lu->Bloc().TypeBoulier, type) << texte;
    }
}

} // namespace
