#include "operation/DessinOperation.h"

#include "OperationFixture.h"
#include "host/Grille.h"
#include "platform/StringList.h"

#include <gtest/gtest.h>

namespace {

// With the default 14 pt font (height -49) the recording canvas gives digit cells 29 wide and
// lines 65 high (61 + 4 of external leading); a comma takes half a cell, 14, when the
// operation aligns on a grid that offers no square.
constexpr int CH = 65;

class DessinOperationTest : public OperationFixture {
protected:
    TvlOperation& posee(std::initializer_list<std::vector<double>> rows) {
        TvlOperation& op = nouvelle();
        change(op, "PositionTrous", "0");
        operandes(op, rows);
        return op;
    }

    TRecordingCanvas canvas_;
};

TEST_F(DessinOperationTest, PosedAdditionOnItsColumns) {
    TvlOperation& op = posee({{12, 7.5}});
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    const vlPoint o = op.Rect.LireOrg();
    // Column 0 holds the sign; digits centred in their cells, the comma on the border between
    // units and tenths plus its half cell.
    const std::vector<Texte> attendu{
        {"1", 43, 65},  {"2", 72, 65},  {"7", 72, 130}, {",", 94, 130}, {"5", 115, 130},
        {"+", 14, 130}, {"1", 43, 195}, {"9", 72, 195}, {",", 94, 195}, {"5", 115, 195}};
    EXPECT_EQ(textes(canvas_, o), attendu);
    // The result bar a quarter of a row under the last operand, over the sign and the digits.
    EXPECT_EQ(traits(canvas_, o), (std::vector<Trait>{{0, 146, 130, 146}}));
    const std::vector<TDrawCall> frames = canvas_.Of(TDrawCall::Op::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].args,
              (std::vector<int>{op.Rect.left, op.Rect.top, op.Rect.right, op.Rect.bottom}));
}

TEST_F(DessinOperationTest, PosedSubtractionWithoutGridAlignment) {
    TvlOperation& op = nouvelle();
    change(op, {{"Operation", "1"}, {"PositionTrous", "0"}, {"AlignerSurCarreau", "0"}});
    operandes(op, {{10, 2.5}});
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    const vlPoint o = op.Rect.LireOrg();
    // Commas take no room: "0" then "7" in the next cell, the comma on their border.
    const std::vector<Texte> attendu{
        {"1", 43, 65},  {"0", 72, 65},  {"2", 72, 130}, {",", 87, 130}, {"5", 101, 130},
        {"-", 14, 130}, {"0", 43, 195}, {"7", 72, 195}, {",", 87, 195}, {"5", 101, 195}};
    EXPECT_EQ(textes(canvas_, o), attendu);
    EXPECT_EQ(traits(canvas_, o), (std::vector<Trait>{{0, 146, 116, 146}}));
}

TEST_F(DessinOperationTest, HolesAreDashesInTheTestAndDigitsInTheCorrection) {
    TvlOperation& op = nouvelle(); // the sum is hidden
    operandes(op, {{12, 7.5}});
    const vlPoint o = op.Rect.LireOrg();

    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    std::vector<Texte> test = textes(canvas_, o);
    EXPECT_EQ(concatene(test), "127,5+,"); // the sum keeps only its comma
    // Middle third of each cell of the sum, on its baseline.
    EXPECT_EQ(
        traits(canvas_, o),
        (std::vector<Trait>{
            {0, 146, 130, 146}, {38, 195, 48, 195}, {67, 195, 77, 195}, {110, 195, 120, 195}}));

    canvas_.Clear();
    op.Dessine(canvas_, MODE_CORRIGE, nullptr);
    EXPECT_EQ(traits(canvas_, o).size(), 1u); // the bar only
    const std::vector<TDrawCall> calls = canvas_.Of(TDrawCall::Op::TextOut);
    std::vector<Texte> corrige = textes(canvas_, o);
    ASSERT_EQ(corrige.size(), 10u);
    EXPECT_EQ(corrige[6], (Texte{"1", 43, 195}));
    EXPECT_EQ(corrige[7], (Texte{"9", 72, 195}));
    EXPECT_EQ(corrige[9], (Texte{"5", 115, 195}));
    for (const std::size_t i : {6u, 7u, 9u}) {
        EXPECT_EQ(calls[i].font.Color, 255);
        EXPECT_EQ(calls[i].font.Style & fsBold, fsBold);
        EXPECT_EQ(calls[i].font.Height, -49);
    }
    EXPECT_EQ(calls[8].font.Color, clBlack); // the comma in the exercise font
    EXPECT_EQ(calls[0].font.Color, clBlack);
}

TEST_F(DessinOperationTest, PosedListWrapsByWholeExercisesAndStopsBelowTheFrame) {
    TvlOperation& op =
        posee({{50, 60}, {50, 60}, {50, 60}, {50, 60}, {50, 60}, {50, 60}, {50, 60}, {50, 60}});
    change(op, "Largeur", "4,5");
    const vlPoint o = op.Rect.LireOrg();
    // Three columns of digits: exercises 6 cells apart, block rows 4 rows apart; an exercise
    // 4 cells wide no longer fits from x = 348 in 450.
    const vlPoint suite = op.Emet(canvas_, op.Rect, {0, 0}, {0, 0}, MODE_EPREUVE, &op);
    const std::vector<Texte> attendu{{"+", 14, 130},  {"+", 188, 130}, {"+", 14, 390},
                                     {"+", 188, 390}, {"+", 14, 650},  {"+", 188, 650}};
    EXPECT_EQ(seuls(textes(canvas_, o), "+"), attendu);
    EXPECT_EQ(suite, (vlPoint{0, 780}));
}

TEST_F(DessinOperationTest, TheFirstExerciseOfACallIsDrawnEvenIfTooWide) {
    TvlOperation& op = posee({{50, 60}});
    change(op, "Largeur", "1");
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    const vlPoint o = op.Rect.LireOrg();
    EXPECT_EQ(seuls(textes(canvas_, o), "+"), (std::vector<Texte>{{"+", 14, 130}}));
    EXPECT_EQ(concatene(textes(canvas_, o)), "5060+110");

    // Starting further right, it is still drawn where the call puts it.
    TvlOperation& large = posee({{50, 60}});
    change(large, "Largeur", "4,5");
    canvas_.Clear();
    large.Emet(canvas_, large.Rect, {300, 0}, {0, 0}, MODE_EPREUVE, &large);
    EXPECT_EQ(seuls(textes(canvas_, large.Rect.LireOrg()), "+"),
              (std::vector<Texte>{{"+", 314, 130}}));
}

TEST_F(DessinOperationTest, NothingIsDrawnOutsideTheRectangleOrInATooSmallOne) {
    TvlOperation& op = posee({{50, 60}});
    const vlRect r = op.Rect;
    EXPECT_EQ(op.Emet(canvas_, r, {r.Width(), 0}, {0, 0}, MODE_EPREUVE, &op),
              (vlPoint{r.Width(), 0}));
    EXPECT_EQ(op.Emet(canvas_, r, {0, r.Height()}, {0, 0}, MODE_EPREUVE, &op),
              (vlPoint{0, r.Height()}));
    EXPECT_EQ(op.Emet(canvas_, r, {5, 5}, {r.Width() + 1, 10}, MODE_EPREUVE, &op), (vlPoint{5, 5}));
    EXPECT_TRUE(canvas_.calls.empty());
    // An empty list: only the frame.
    TvlOperation& vide = posee({});
    vide.Dessine(canvas_, MODE_CORRIGE, nullptr);
    ASSERT_EQ(canvas_.calls.size(), 1u);
    EXPECT_EQ(canvas_.calls[0].op, TDrawCall::Op::Rectangle);
}

TEST_F(DessinOperationTest, InlineNumbersGroupThousandsWithAnEmptyCell) {
    TvlOperation& op = posee({{12345, 1}});
    change(op, "OperationPosee", "0");
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    const vlPoint o = op.Rect.LireOrg();
    // "12345" ends its integer part at 174 (six cells: five digits and a gap); with the
    // extra spacing each sign sits in the middle of three cells.
    const std::vector<Texte> attendu{{"1", 14, 65},  {"2", 43, 65},  {"3", 101, 65}, {"4", 130, 65},
                                     {"5", 159, 65}, {"+", 217, 65}, {"1", 275, 65}, {"=", 333, 65},
                                     {"1", 391, 65}, {"2", 420, 65}, {"3", 478, 65}, {"4", 507, 65},
                                     {"6", 536, 65}};
    EXPECT_EQ(textes(canvas_, o), attendu);
    // Two such exercises do not fit on one line of 850: no separator.
    EXPECT_TRUE(traits(canvas_, o).empty());
    EXPECT_EQ(op.Emet(canvas_, op.Rect, {0, 0}, {0, 0}, MODE_EPREUVE, &op), (vlPoint{0, 2 * CH}));
}

TEST_F(DessinOperationTest, InlineDifferencesLoseTheirLeadingZeros) {
    TvlOperation& op = nouvelle();
    change(op, {{"Operation", "1"},
                {"PositionTrous", "0"},
                {"OperationPosee", "0"},
                {"SeparerMilliers", "0"}});
    operandes(op, {{1000, 988}, {1000, 1}});
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    const vlPoint o = op.Rect.LireOrg();
    // Every difference ends on the column at 464, "12" as well as "999".
    const std::vector<Texte> attendu{
        {"1", 14, 65},   {"0", 43, 65},   {"0", 72, 65},   {"0", 101, 65},  {"-", 159, 65},
        {"9", 217, 65},  {"8", 246, 65},  {"8", 275, 65},  {"=", 333, 65},  {"1", 420, 65},
        {"2", 449, 65},  {"1", 14, 130},  {"0", 43, 130},  {"0", 72, 130},  {"0", 101, 130},
        {"-", 159, 130}, {"1", 275, 130}, {"=", 333, 130}, {"9", 391, 130}, {"9", 420, 130},
        {"9", 449, 130}};
    EXPECT_EQ(textes(canvas_, o), attendu);
}

TEST_F(DessinOperationTest, InlineDecimalDifferenceKeepsItsZeroAndSeparatorsSplitTheLine) {
    TvlOperation& op = nouvelle();
    change(op, {{"Operation", "1"},
                {"PositionTrous", "0"},
                {"OperationPosee", "0"},
                {"EspSuppl", "0"},
                {"Largeur", "18"}});
    operandes(op, {{1.5, 1}, {2.5, 1}});
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    const vlPoint o = op.Rect.LireOrg();
    const std::vector<Texte> all = textes(canvas_, o);
    // "1,5 - 1 = 0,5": the integer parts end at 29, 130 and 188.
    ASSERT_GE(all.size(), 10u);
    EXPECT_EQ(all[3], (Texte{"-", 86, 65}));
    EXPECT_EQ(all[4], (Texte{"1", 115, 65}));
    EXPECT_EQ(all[5], (Texte{"=", 144, 65}));
    EXPECT_EQ(all[6], (Texte{"0", 173, 65}));
    EXPECT_EQ(all[7], (Texte{",", 195, 65}));
    // Width 231; the second exercise starts 289 further, behind a separator at 260.
    EXPECT_EQ(traits(canvas_, o), (std::vector<Trait>{{260, 0, 260, 65}, {549, 0, 549, 65}}));
    EXPECT_EQ(all[9], (Texte{"2", 303, 65}));
}

TEST_F(DessinOperationTest, ARedirectedOperationSpreadsItsListOverItsReceivers) {
    TvlOperation& op = posee(
        {{10, 100}, {11, 100}, {12, 100}, {13, 100}, {14, 100}, {15, 100}, {16, 100}, {17, 100}});
    change(op, "NombreOperations", "3");
    auto& premiere = dynamic_cast<TGrille&>(*document_.Cree("Grille", 0));
    auto& seconde = dynamic_cast<TGrille&>(*document_.Cree("Grille", 0));
    TStringList liste;
    liste.AddObject(premiere.Nom(), &premiere);
    liste.AddObject(seconde.Nom(), &seconde);
    op.EtablirListeRecepteurs(liste);

    seconde.Dessine(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_EQ(concatene(textes(canvas_, {0, 0})), "13100+11314100+11415100+115");
    // Cells are the grid's squares, the sign in the first one; the third exercise no longer
    // fits on the first block row of 500.
    EXPECT_EQ(seuls(textes(canvas_, seconde.Rect.LireOrg()), "+"),
              (std::vector<Texte>{{"+", 25, 100}, {"+", 325, 100}, {"+", 25, 300}}));

    canvas_.Clear();
    premiere.Dessine(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_EQ(concatene(textes(canvas_, {0, 0})), "10100+11011100+11112100+112");

    // Its own frame names it and its first receiver, and prints nothing.
    canvas_.Clear();
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_EQ(canvas_.Texts(), (std::vector<std::string>{op.Nom(), "s'affiche sur", premiere.Nom(),
                                                         "Ce cadre", "ne sera pas", "imprimé."}));
    canvas_.Clear();
    op.Imprime(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_TRUE(canvas_.calls.empty());
}

TEST_F(DessinOperationTest, EmetLeavesTheCanvasAsItFoundIt) {
    TvlOperation& op = posee({{12, 7.5}});
    canvas_.Font.Name = "Autre";
    canvas_.Font.Height = -30;
    const unsigned align = canvas_.TextAlign();
    op.Emet(canvas_, op.Rect, {0, 0}, {0, 0}, MODE_CORRIGE, &op);
    EXPECT_EQ(canvas_.Font.Name, "Autre");
    EXPECT_EQ(canvas_.Font.Height, -30);
    EXPECT_EQ(canvas_.TextAlign(), align);
    EXPECT_FALSE(canvas_.HasClip());
    // While drawing, everything was clipped to the rectangle.
    for (const TDrawCall& call : canvas_.calls)
        EXPECT_EQ(call.clip, op.Rect);
}

// ---- one number, in cells 30 wide and 60 high with 15 for a comma ----

class NombreZTest : public DessinOperationTest {
protected:
    DessinOperation dessin(bool correction) {
        return DessinOperation(canvas_, reglages_, liste_, police_, corrige_, {30, 60, 15},
                               correction);
    }

    OperOptions reglages_{};
    ListeOperations liste_;
    TFont police_;
    TFont corrige_{"Andika", -49, 255, fsBold, 254};
};

TEST_F(NombreZTest, DecimalsAreNeverGroupedAndLeadingBlanksCanBeSkipped) {
    dessin(false).DessineNombreZ({0, 0}, "  1234,5678", true, true, false, false);
    const std::vector<Texte> attendu{{"1", 15, 60},  {"2", 75, 60},  {"3", 105, 60},
                                     {"4", 135, 60}, {",", 158, 60}, {"5", 180, 60},
                                     {"6", 210, 60}, {"7", 240, 60}, {"8", 270, 60}};
    EXPECT_EQ(textes(canvas_, {0, 0}), attendu);
    EXPECT_EQ(DessinOperation::ExtentNombre("  1234,5678", 30, 15, true), (vlSize{150, 135}));
    EXPECT_EQ(DessinOperation::ExtentNombre("  1234,5678", 30, 15, false), (vlSize{120, 135}));
    EXPECT_EQ(DessinOperation::ExtentNombre("12", 30, 15, true), (vlSize{60, 0}));
}

TEST_F(NombreZTest, CommaPlaceholderAndHiddenComma) {
    // "$" keeps a comma's room; a hidden comma takes none in the test version.
    dessin(false).DessineNombreZ({0, 0}, "1$2,3", false, false, false, true);
    EXPECT_EQ(textes(canvas_, {0, 0}),
              (std::vector<Texte>{{"1", 15, 60}, {"2", 60, 60}, {"3", 90, 60}}));
    canvas_.Clear();
    dessin(true).DessineNombreZ({0, 0}, "2,3", false, false, true, true);
    const std::vector<TDrawCall> calls = canvas_.Of(TDrawCall::Op::TextOut);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].text, ",");
    EXPECT_EQ(calls[1].font.Color, 255); // in the correction font when asked
    EXPECT_EQ(calls[2].args[0], 60);
}

TEST_F(NombreZTest, HiddenDigitsAreGroupedLikeDigits) {
    dessin(false).DessineNombreZ({0, 0}, "1;=4", false, true, false, false);
    EXPECT_EQ(textes(canvas_, {0, 0}), (std::vector<Texte>{{"1", 15, 60}, {"4", 135, 60}}));
    EXPECT_EQ(traits(canvas_, {0, 0}), (std::vector<Trait>{{70, 60, 80, 60}, {100, 60, 110, 60}}));
}

} // namespace
