// Multiplications and divisions drawn on the recording canvas: columns, partial products,
// bars, the division's lines, commas moved and zeros crossed out, inline forms and messages.
#include "operation/DessinOperation.h"

#include "OperationFixture.h"
#include "operation/EcritureMultDiv.h"
#include "operation/Nombres.h"

namespace {

constexpr int CW = 29;
constexpr int CH = 65;
constexpr int EXTRA = 14;

class DessinMultDivTest : public SeparateursFixture {
protected:
    using Lignes = std::vector<std::string>;

    DessinMultDivTest() {
        options_.NombreOperations = 24;
        options_.OperationPosee = true;
        police_.Height = -49;
        corrige_ = police_;
        corrige_.Color = 255;
        canvas_.Font = police_;
    }

    DessinOperation dessin(bool correction) {
        return DessinOperation(canvas_, options_, liste_, police_, corrige_, {CW, CH, EXTRA},
                               correction);
    }

    Multiplication& multiplication(Lignes l) {
        auto m = std::make_unique<Multiplication>();
        m->Lignes = std::move(l);
        m->IndiceResultat = std::int16_t(m->Lignes.size() - 1);
        for (const std::size_t j : {std::size_t(0), std::size_t(1), m->Lignes.size() - 1}) {
            std::int16_t e = 0, d = 0;
            NbDigit(m->Lignes[j], e, d);
            m->LargeurEntiere = std::max(m->LargeurEntiere, e);
            m->LargeurDecimale = std::max(m->LargeurDecimale, d);
        }
        liste_.push_back(std::move(m));
        return dynamic_cast<Multiplication&>(*liste_.back());
    }

    Division& division(double a, double b, int precision, bool longue) {
        liste_.push_back(
            std::move(GenereDivisions(tableOperandes({{a, b}}), longue, precision).front()));
        return dynamic_cast<Division&>(*liste_.back());
    }

    std::string ligne(int y) const { return ::ligne(canvas_, y); }
    int x(const std::string& c, int y) const { return xDe(canvas_, c, y); }

    TRecordingCanvas canvas_;
    OperOptions options_{};
    ListeOperations liste_;
    TFont police_;
    TFont corrige_;
    const vlRect rect_{0, 0, 5000, 5000};
};

TEST_F(DessinMultDivTest, ColumnModelOfAPosedNumber) {
    // Three integer columns, two decimal ones.
    EXPECT_EQ(DessinOperation::PosNombreGauche(3, 2, 0, 2, CW, EXTRA), 3 * CW + EXTRA);
    EXPECT_EQ(DessinOperation::PosNombreGauche(3, 2, 1, 3, CW, EXTRA), CW);
    EXPECT_EQ(DessinOperation::PosNombreGauche(3, 2, 2, 3, CW, EXTRA), 0);
    EXPECT_EQ(DessinOperation::TailleNombre(3, 2, 1, 3, CW, EXTRA), 3 * CW + EXTRA);
    EXPECT_EQ(DessinOperation::TailleNombre(3, 2, 2, 3, CW, EXTRA), 3 * CW);
    EXPECT_EQ(DessinOperation::PosNombreDroite(3, 2, 0, 2, CW, EXTRA), 2 * CW);
    EXPECT_EQ(DessinOperation::PosNombreDroite(3, 2, 1, 3, CW, EXTRA), 4 * CW + EXTRA);
    EXPECT_EQ(DessinOperation::PosNombreDroite(3, 0, 1, 3, CW, EXTRA), 4 * CW);
    std::string texte = "123";
    EXPECT_EQ(DessinOperation::FormateNombre(3, 2, 1, texte, CW, EXTRA), CW);
    EXPECT_EQ(texte, "12$3");
    texte = "12";
    EXPECT_EQ(DessinOperation::FormateNombre(3, 2, 0, texte, CW, EXTRA), 3 * CW + EXTRA);
    EXPECT_EQ(texte, "12");
}

TEST_F(DessinMultDivTest, PartialProductsShiftWithTheMultipliersZeros) {
    const Multiplication& m = multiplication({"12", "20301", "12", "360", "240", "243612"});
    const int r = 1000;
    dessin(false).DessineMultiplicationPosee(rect_, {r, 0}, m);
    // Rows: factors 0 and 1, partial products 2 to 4, product 5; the last digits of the
    // partial products stand 0, 1 and 3 columns left of the right end.
    EXPECT_EQ(ligne(3 * CH), "12");
    EXPECT_EQ(ligne(4 * CH), "360");
    EXPECT_EQ(ligne(5 * CH), "240");
    EXPECT_EQ(x("2", 3 * CH), r - CW + CW / 2);
    EXPECT_EQ(x("0", 4 * CH), r - 2 * CW + CW / 2);
    EXPECT_EQ(x("0", 5 * CH), r - 4 * CW + CW / 2);
    EXPECT_EQ(ligne(6 * CH), "243612");
    EXPECT_EQ(ligne(2 * CH), "×20301");
    // The sign in the cell left of the longer factor; two bars.
    EXPECT_EQ(x("×", 2 * CH), r - 5 * CW - CW / 2);
    EXPECT_EQ(traits(canvas_),
              (std::vector<Trait>{{r - 6 * CW, 2 * CH + CH / 4, r, 2 * CH + CH / 4},
                                  {r - 6 * CW, 5 * CH + CH / 4, r, 5 * CH + CH / 4}}));
}

TEST_F(DessinMultDivTest, AOneDigitMultiplierHasOneBarAndNoPartialProduct) {
    const Multiplication& m = multiplication({"123", "4", "492"});
    dessin(false).DessineMultiplicationPosee(rect_, {500, 0}, m);
    EXPECT_EQ(ligne(CH), "123");
    EXPECT_EQ(ligne(2 * CH), "×4");
    EXPECT_EQ(ligne(3 * CH), "492");
    EXPECT_EQ(traits(canvas_).size(), 1u);
}

TEST_F(DessinMultDivTest, PartialProductsKeepTheProductsCommaColumns) {
    // 12,3 x 45: the partial products straddle the comma of 553,5.
    const Multiplication& m = multiplication({"12,3", "45", "615", "492", "553,5"});
    const int r = 1000;
    dessin(false).DessineMultiplicationPosee(rect_, {r, 0}, m);
    EXPECT_EQ(x("5", 3 * CH), r - CW + CW / 2);
    EXPECT_EQ(x("1", 3 * CH), r - 2 * CW - EXTRA + CW / 2);
    EXPECT_EQ(x("2", 4 * CH), r - 2 * CW - EXTRA + CW / 2);
    EXPECT_EQ(x(",", 5 * CH), r - CW - EXTRA + CW / 2 - (CW - EXTRA) / 2);
}

TEST_F(DessinMultDivTest, AWholeHoledDecimalFactorHidesItsComma) {
    options_.TrousIsoles = false;
    std::string cache = "1,5";
    CacheNombre(cache);
    const Multiplication& m = multiplication({cache, "2", "3,0"});
    const int r = 1000;
    dessin(false).DessineMultiplicationPosee(rect_, {r, 0}, m);
    EXPECT_EQ(x(",", CH), INT_MIN);
    // Two dashes side by side, from the factor's left, with no room for the comma.
    const int gauche = r - 2 * CW - EXTRA;
    EXPECT_TRUE(contient(traits(canvas_), {gauche + CW / 3, CH, gauche + 2 * CW / 3, CH}));
    EXPECT_TRUE(
        contient(traits(canvas_), {gauche + CW + CW / 3, CH, gauche + CW + 2 * CW / 3, CH}));
    // The corrected version shows the comma and the digits in the correction font.
    canvas_.Clear();
    dessin(true).DessineMultiplicationPosee(rect_, {r, 0}, m);
    EXPECT_EQ(ligne(CH), "1,5");
    EXPECT_EQ(ligne(3 * CH), "3,0");
}

TEST_F(DessinMultDivTest, InlineMultiplicationsNeedOneDigitMultipliersForIsolatedHoles) {
    options_.OperationPosee = false;
    options_.TrousIsoles = true;
    options_.PositionTrous[OP_MULTIPLICATION] = 7;
    multiplication({"123", "45", "615", "492", "5535"});
    multiplication({"12", "20", "240"});
    const vlPoint suite = dessin(false).DessineMultiplications(rect_, {0, 100}, 0);
    const std::vector<Texte> t = textes(canvas_);
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].texte, "Impossible d'afficher ces opérations en ligne");
    EXPECT_EQ(t[4].texte, "ou utilisez des multiplicateurs à 1 chiffre.");
    EXPECT_EQ(t[4].y, 100 + 5 * CH);
    EXPECT_EQ(suite.y, 100 + 5 * CH);
    // A one-digit multiplier is drawn, the others are left out; the product loses its
    // useless zeros.
    canvas_.Clear();
    multiplication({"1,5", "2", "3,0"});
    dessin(false).DessineMultiplications(rect_, {0, 0}, 0);
    EXPECT_EQ(ligne(CH), "1,5×2=3");
}

TEST_F(DessinMultDivTest, InlineDivisionsWithTheirRemainderOrAMessage) {
    options_.OperationPosee = false;
    Division& d = division(1, 3, 2, true);
    division(10, 4, 2, true);
    // One exercise a row.
    const vlRect rect{0, 0, 700, 5000};
    dessin(false).DessineDivisions(rect, {0, 0}, 0);
    EXPECT_EQ(ligne(CH), "1:3=0,33Reste0,01");
    EXPECT_EQ(ligne(2 * CH), "10:4=2,5");
    canvas_.Clear();
    options_.DivTypeLignes = true;
    dessin(false).DessineDivisions(rect, {0, 0}, 0);
    EXPECT_EQ(ligne(CH), "1=0,33×3+0,01");
    // A holed quotient hides the remainder too.
    options_.DivTypeLignes = false;
    CacheNombre(d.Lignes[2]);
    canvas_.Clear();
    dessin(false).DessineDivisions(rect, {0, 0}, 0);
    EXPECT_EQ(ligne(CH), "1:3=Reste");
    canvas_.Clear();
    dessin(true).DessineDivisions(rect, {0, 0}, 0);
    EXPECT_EQ(ligne(CH), "1:3=0,33Reste0,01");
    // Isolated holes cannot be shown in line: two lines of explanation instead.
    options_.TrousIsoles = true;
    canvas_.Clear();
    EXPECT_EQ(dessin(false).DessineDivisions(rect_, {0, 0}, 0).y, 2 * CH);
    EXPECT_EQ(canvas_.Texts(), (std::vector<std::string>{
                                   "Impossible d'afficher ces divisions en ligne.",
                                   "Prendre l'option «Les trous affectent: la ligne entière»"}));
}

TEST_F(DessinMultDivTest, TheCorrectedDivisionMovesTheComma) {
    const Division& d = division(3.6, 1.2, 2, false);
    const int b = 1000;
    dessin(true).DessineDivisionPosee(rect_, {b, 0}, d);
    // 36 : 12, an arrow after the 6 for the new comma.
    EXPECT_EQ(ligne(CH), "3612");
    EXPECT_EQ(x("6", CH), b - CW + CW / 2);
    const int px = b + EXTRA / 2;
    EXPECT_EQ(traits(canvas_, {0, 0}, 2), (std::vector<Trait>{{px, CH / 2, px - 10, CH / 2 - 10},
                                                              {px, CH / 2, px + 10, CH / 2 - 10},
                                                              {px, CH / 2, px, 0}}));
    // The exercise keeps its commas.
    canvas_.Clear();
    dessin(false).DessineDivisionPosee(rect_, {b, 0}, d);
    EXPECT_EQ(ligne(CH), "3,61,2");
    EXPECT_TRUE(traits(canvas_, {0, 0}, 2).empty());
}

TEST_F(DessinMultDivTest, ZerosMadeUselessAreCrossedOut) {
    // 50 : 10 is 5 : 1; the zeros of both are crossed out in the correction.
    const Division& d = division(50, 10, 2, false);
    const int b = 1000;
    dessin(true).DessineDivisionPosee(rect_, {b, 0}, d);
    EXPECT_EQ(
        traits(canvas_, {0, 0}, 5),
        (std::vector<Trait>{{b - CW, CH, b, 0}, {b + EXTRA + CW, CH, b + EXTRA + 2 * CW, 0}}));
}

TEST_F(DessinMultDivTest, LongDivisionLinesStandUnderTheirDigits) {
    options_.DivisionLongue = true;
    const Division& d = division(1234, 56, 0, true);
    const int b = 1000;
    const int gauche = b - 4 * CW;
    dessin(false).DessineDivisionPosee(rect_, {b, 0}, d);
    EXPECT_EQ(ligne(2 * CH), "-11222");
    // 112 under 123, 114 under 234, 112 under it, the remainder 2 under the 4.
    EXPECT_EQ(x("2", 2 * CH), b + EXTRA + CW + CW / 2); // the quotient's second digit
    EXPECT_EQ(x("-", 2 * CH), gauche - CW / 2);
    EXPECT_EQ(x("4", 3 * CH), gauche + 3 * CW + CW / 2);
    EXPECT_EQ(x("-", 4 * CH), gauche + CW - CW / 2);
    EXPECT_EQ(x("2", 5 * CH), gauche + 3 * CW + CW / 2);
    // Each product underlined over its width.
    EXPECT_TRUE(
        contient(traits(canvas_), {gauche, 2 * CH + CH / 5, gauche + 3 * CW, 2 * CH + CH / 5}));
}

TEST_F(DessinMultDivTest, ShortDivisionLinesEndUnderTheDigitsBroughtDown) {
    // 12121 : 12 = 1010: "0012" ends under the 2 (one column from the right), "001" under the
    // last 1.
    const Division& d = division(12121, 12, 0, false);
    const int b = 1000;
    const int gauche = b - 5 * CW;
    dessin(false).DessineDivisionPosee(rect_, {b, 0}, d);
    EXPECT_EQ(ligne(3 * CH), "001");
    EXPECT_EQ(x("2", 2 * CH), gauche + 3 * CW + CW / 2);
    EXPECT_EQ(x("1", 3 * CH), gauche + 4 * CW + CW / 2);
}

TEST_F(DessinMultDivTest, PosedListsWrapAndReturnTheNextRow) {
    for (int i = 0; i < 3; ++i)
        multiplication({"123", "45", "615", "492", "5535"});
    // Room for two exercises a row: (4 + 1) cells, then 2 cells between them.
    const vlRect etroit{0, 0, 15 * CW, 5000};
    const vlPoint suite = dessin(false).DessineMultiplications(etroit, {0, 0}, 0);
    EXPECT_EQ(suite, (vlPoint{0, 2 * 6 * CH}));
    EXPECT_EQ(ligne(6 * CH + CH), "123");
}

} // namespace
