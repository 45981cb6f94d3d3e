#include "fraction/Fraction.h"

#include "fraction/DessinFraction.h"
#include "pictures/PictureTest.h"
#include "platform/Random.h"

#include <algorithm>

namespace {

using Op = TDrawCall::Op;

class FractionTest : public PictureTest {
protected:
    // A fraction of 12 x 10 cm at the margin origin: the frame (100, 100, 1300, 1100). Its
    // first and third lines 12/5 + 1/2, its second 3/4 + 1/4, without steps nor reduction.
    TvlFraction& Fraction(std::vector<std::string> reglages = {}) {
        SeedRandom(4);
        reglages.insert(reglages.begin(), {"Largeur=12", "Hauteur=10", "ResultatsInterm1=0",
                                           "ResultatsInterm2=0", "Simplification=0"});
        auto& f = Nouveau<TvlFraction>("Fraction");
        for (const std::string& r : reglages)
            Regle(f, {r});
        FractionDonnees d = f.Donnees();
        d.A[0] = 12, d.B[0] = 5, d.C[0] = 1, d.D[0] = 2;
        d.A[1] = 3, d.B[1] = 4, d.C[1] = 1, d.D[1] = 4;
        d.A[2] = 12, d.B[2] = 5, d.C[2] = 1, d.D[2] = 2;
        f.RemplaceDonnees(d);
        return f;
    }
    // The line drawn into squares of 50 x 50 from the frame's inside, (150, 150) here.
    static TRecordingCanvas Grille(TvlFraction& f, int mode, vlSize carreau = {50, 50}) {
        TRecordingCanvas canvas;
        f.Emet(canvas, f.Rect, {0, 0}, carreau, mode, &f);
        return canvas;
    }
    // The texts drawn at x with their baseline and colour.
    static std::vector<std::tuple<std::string, int, int, TColor>>
    Textes(const TRecordingCanvas& c) {
        std::vector<std::tuple<std::string, int, int, TColor>> t;
        for (const TDrawCall& e : c.Of(Op::TextOut))
            t.emplace_back(e.text, e.args[0], e.args[1], e.font.Color);
        return t;
    }
    // The texts in order, those in the correction colour in brackets.
    static std::string Lus(const TRecordingCanvas& c) {
        std::string s;
        for (const auto& [texte, x, y, couleur] : Textes(c))
            s += couleur == 255 ? "(" + texte + ")" : texte;
        return s;
    }
};

// One digit a square: "12" over "5" (shifted half a square), the bar one square below the
// line's top spanning the squares of "12", 3 thick (a twentieth of the square), each sign a
// square; the next line 150 lower. Digits are centred in their row (baseline 42 below its top for
// Andika 14 pt).
TEST_F(FractionTest, LinesSitOnTheGridSquares) {
    TvlFraction& f = Fraction({"AlignerSurCarreau=1", "Cache=0", "NombreOperations=2"});
    const TRecordingCanvas c = Grille(f, MODE_EPREUVE);
    const auto t = Textes(c);
    ASSERT_GE(t.size(), 9u);
    EXPECT_EQ(t[0], std::make_tuple("1", 175, 192, clBlack));
    EXPECT_EQ(t[1], std::make_tuple("2", 225, 192, clBlack));
    EXPECT_EQ(t[2], std::make_tuple("5", 200, 242, clBlack));
    EXPECT_EQ(std::get<1>(t[3]), 275); // "+", one square after the fraction
    EXPECT_EQ(std::get<0>(t[3]), "+");
    const std::vector<TDrawCall> barres = c.Of(Op::Line);
    ASSERT_EQ(barres.size(), 6u);
    EXPECT_EQ(barres[0].args, std::vector<int>({150, 200, 250, 200}));
    EXPECT_EQ(barres[0].pen.Width, 3);
    EXPECT_EQ(barres[3].args, std::vector<int>({150, 350, 200, 350}));
    EXPECT_EQ(f.LignesHorsCadre(), 0);
}

// A hidden second operand takes two squares at least: a light box over and under its bar in the
// test version, its digits in the correction font in the corrected one; the signs always show.
TEST_F(FractionTest, AHiddenOperandKeepsItsBarAndRoom) {
    TvlFraction& f = Fraction({"AlignerSurCarreau=1", "NombreOperations=1"});
    for (std::uint32_t graine = 1; f.Donnees().Masque[0] != CACHE_SECOND; ++graine) {
        SeedRandom(graine);
        Regle(f, {"Cache=2"});
    }
    const TRecordingCanvas epreuve = Grille(f, MODE_EPREUVE);
    const TRecordingCanvas corrige = Grille(f, MODE_CORRIGE);
    ASSERT_EQ(epreuve.Of(Op::Line).size(), 3u);
    for (const TRecordingCanvas* c : {&epreuve, &corrige})
        EXPECT_EQ(c->Of(Op::Line)[1].args, std::vector<int>({300, 200, 400, 200}));
    // Thin grey boxes in their rows, clear of the bar at 200, an eighth of a square in.
    const std::vector<TDrawCall> boites = epreuve.Of(Op::Rectangle);
    ASSERT_EQ(boites.size(), 2u);
    EXPECT_EQ(boites[0].args, std::vector<int>({306, 157, 394, 193}));
    EXPECT_EQ(boites[1].args, std::vector<int>({306, 207, 394, 243}));
    EXPECT_EQ(boites[0].pen.Width, 1);
    EXPECT_TRUE(corrige.Of(Op::Rectangle).empty());
    EXPECT_EQ(Lus(corrige), "125+(1)(2)=2910");
    EXPECT_EQ(std::get<1>(Textes(epreuve)[4]), 425); // "=" after the hidden operand's room
}

// Lines go down a column, then a new column starts three cells after the widest line, fewer
// (one at least) when that lets all its lines fit; a line that fits nowhere ends the drawing
// and is counted with all after it, never drawn half outside.
TEST_F(FractionTest, ColumnsWrapApartAndWhatDoesNotFitIsCounted) {
    TvlFraction& f =
        Fraction({"Hauteur=4", "Cache=0", "NombreOperations=4", "AlignerSurCarreau=1"});
    // Two lines of 100 fit in 400 - 2 x 50 of inside: "{12/5}+{1/2}={29/10}" of 7 squares over
    // "{3/4}+{1/4}={4/4}" of 5, then the same two the other way round in a second column.
    FractionDonnees d = f.Donnees();
    d.A[2] = 3, d.B[2] = 4, d.C[2] = 1, d.D[2] = 4;
    d.A[3] = 12, d.B[3] = 5, d.C[3] = 1, d.D[3] = 2;
    f.RemplaceDonnees(d);
    // Inside widths 1100, 800, 700, 300: at 300 the first line does not fit, so no later line
    // is drawn past the gap.
    for (const auto& [largeur, colonne, hors] :
         {std::tuple{12, 650, 0}, {9, 600, 0}, {8, 550, 1}, {4, 0, 4}}) {
        Regle(f, {"Largeur=" + std::to_string(largeur)});
        const std::vector<TDrawCall> barres = Grille(f, MODE_EDITION).Of(Op::Line);
        EXPECT_EQ(f.LignesHorsCadre(), hors) << largeur;
        ASSERT_EQ(barres.size(), 3u * std::size_t(4 - hors)) << largeur;
        for (std::size_t premiere = 6; premiere < barres.size(); premiere += 3)
            EXPECT_EQ(barres[premiere].args[0], colonne) << largeur;
    }
    EXPECT_EQ(f.AvertissementCadre(), f.Nom() + "\u00A0: 4 lignes ne tiennent pas dans le cadre");
}

// The steps of a product show its operands: hidden with a hidden operand, shown with a hidden
// result; the page shows "×". The answers are what the corrected page adds. Typed operands
// hide the result unless operands are asked for.
TEST_F(FractionTest, NoStepShowsAHiddenOperand) {
    TvlFraction& f = Fraction(
        {"FractionOperation=2", "ResultatsInterm1=1", "NombreOperations=1", "AlignerSurCarreau=1"});
    EXPECT_EQ(f.Donnees().Masque[0], CACHE_RESULTAT);
    EXPECT_NE(Fraction({"Cache=2"}).Donnees().Masque[0], CACHE_RESULTAT);
    const std::string etape = "\u00A0; (12\u00D71)/(5\u00D72)";
    for (const auto& [masque, epreuve, corrige, reponse] :
         {std::tuple{1, "\u00D712==1210", "(1)(2)(5)\u00D712=(1)(2)(\u00D7)(1)(5)(\u00D7)(2)=1210",
                     "12/5" + etape},
          {2, "125\u00D7==1210", "125\u00D7(1)(2)=(1)(2)(\u00D7)(1)(5)(\u00D7)(2)=1210",
           "1/2" + etape},
          {4, "125\u00D712=12\u00D715\u00D72=", "125\u00D712=12\u00D715\u00D72=(1)(2)(1)(0)",
           std::string("12/10")}}) {
        std::string nombres = "1;10;1;10";
        for (int i = 0; i < FractionDonnees::LIGNES; ++i)
            nombres += " | 12;5;1;2;" + std::to_string(masque);
        Regle(f, {"Nombres=" + nombres});
        EXPECT_EQ(Lus(Grille(f, MODE_EPREUVE)), epreuve) << masque;
        EXPECT_EQ(Lus(Grille(f, MODE_CORRIGE)), corrige) << masque;
        EXPECT_EQ(f.Reponses(), std::vector<std::string>{reponse}) << masque;
    }
    Regle(f, {"Cache=0"});
    EXPECT_TRUE(f.Reponses().empty());
}

// Off the grid a digit is 29 wide (the recording font): bars pass their digits, each sign shows
// as printed, centred between the bars with half a digit of space each side.
TEST_F(FractionTest, SignsStandApartFromTheBars) {
    for (const auto& [operation, signe] : {std::pair{0, "+"}, {1, "\u2212"}, {2, "\u00D7"}}) {
        TvlFraction& f = Fraction(
            {"Cache=0", "NombreOperations=1", "FractionOperation=" + std::to_string(operation)});
        const TRecordingCanvas c = Grille(f, MODE_EDITION, {0, 0});
        const std::vector<TDrawCall> barres = c.Of(Op::Line);
        const TDrawCall s = c.Of(Op::TextOut)[3];
        ASSERT_EQ(s.text, signe);
        EXPECT_GE(barres[0].args[2] - barres[0].args[0], 2 * 29 + 2);
        const int avant = s.args[0] - barres[0].args[2];
        const int apres = barres[1].args[0] - s.args[0];
        EXPECT_GE(std::min(avant, apres), 29 / 2 + 14 / 2) << signe;
        EXPECT_LE(std::abs(avant - apres), 1) << signe;
    }
}

// A twentieth of the cell, never thicker than a tenth of the font nor thinner than one.
TEST(DessinFraction, BarThicknessFollowsTheFont) {
    for (const auto& [ch, em, epaisseur] :
         {std::tuple{57, 49, 3}, {50, 49, 3}, {80, 49, 4}, {200, 49, 4}, {9, 49, 1}, {80, 5, 1}})
        EXPECT_EQ(DessinFraction::EpaisseurBarre(ch, em), epaisseur) << ch << " " << em;
}

// Keys keep the numbers unless they ask for new ones; save, load and copy keep lines and masks;
// a record with a zero denominator or a text outside the language is refused.
TEST_F(FractionTest, SettingsRecordsAndCopiesKeepTheExercise) {
    TvlFraction& f = Fraction({"Cache=1"});
    Refuse(f, {"NombreOperations=11", "NombreOperations=0", "Cache=4", "FractionOperation=5",
               "Ligne=1;{1/2}+{1/2}={5}", "Ligne=1;{1/2}+"});
    const FractionDonnees avant = f.Donnees();
    Regle(f, {"Cache=2", "Simplification=2", "ResultatsInterm1=1"});
    EXPECT_EQ(f.Donnees().A, avant.A);
    EXPECT_EQ(f.Donnees().D, avant.D);
    EXPECT_NE(f.Donnees().Masque, avant.Masque);
    EXPECT_EQ(f.Lignes()[1], "{3/4}+{1/4}=4/4={1}");

    TvlFraction& lu = Relu<TvlFraction>("Fraction", f);
    EXPECT_EQ(lu.Lignes(), f.Lignes());
    EXPECT_EQ(lu.Donnees().Masque, f.Donnees().Masque);
    const auto copie = f.Copie();
    EXPECT_EQ(dynamic_cast<TvlFraction&>(*copie).Lignes(), f.Lignes());

    // B of line 1 set to 0; the first text's first character made "x".
    for (const auto& [decalage, octet] : {std::pair{56, 0}, {116 + 4, int('x')}}) {
        TMemoryStream s;
        ASSERT_TRUE(f.Sauve(s));
        std::vector<std::uint8_t> b = s.Bytes();
        std::size_t donnees = b.size() - 116;
        for (const std::string& l : f.Lignes())
            donnees -= 4 + l.size();
        b[donnees + std::size_t(decalage)] = std::uint8_t(octet);
        TMemoryStream abime(b);
        EXPECT_FALSE(Nouveau<TvlFraction>("Fraction").Charge(abime, nullptr, &document_.Cadre(0)));
        EXPECT_FALSE(abime.Refus().empty()) << decalage;
    }
    // Numerators all 0 leave a division no divisor to draw.
    std::string nombres = "0;0;1;10";
    for (int i = 0; i < FractionDonnees::LIGNES; ++i)
        nombres += " | 0;1;1;1;0";
    Regle(f, {"Nombres=" + nombres});
    Refuse(f, {"FractionOperation=3"});
    Regle(f, {"FractionOperation=2"});
}

} // namespace
