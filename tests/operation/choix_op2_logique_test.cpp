// The operand dialog's logic on a plain grid: number texts, column results, numbers drawn from
// the settings, operands derived from a result, and the order of the checks that give the
// table back (their messages are checked through a sheet's operand keys).
#include "operation/ChoixOp2Logique.h"

#include "OperationFixture.h"
#include "operation/Nombres.h"
#include "platform/FrenchLocale.h"
#include "platform/UserInterface.h"

#include <regex>
#include <set>

namespace {

class ChoixOp2LogiqueTest : public SeparateursFixture {
protected:
    // The dialog's logic for a kind, on an empty grid, with the given bounds.
    ChoixOp2Logique& logique(int operation, double min = 1, double max = 100) {
        logique_ = std::make_unique<ChoixOp2Logique>(grille_, operation);
        TDefinitionOperandes d = DefinitionStandard();
        d.ValeurMin = min;
        d.ValeurMax = max;
        logique_->Initialise(tableOperandes(), d);
        return *logique_;
    }

    // Fills the operand rows of column c from the top.
    void colonne(int c, const std::vector<std::string>& operandes) {
        for (std::size_t l = 0; l < operandes.size(); ++l)
            grille_.SetCell(c, int(l) + 1, operandes[l]);
    }

    double nombre(int c, int r) const { return LitNombre(grille_.Cell(c, r)); }

    SuperGridModel grille_;
    std::unique_ptr<ChoixOp2Logique> logique_;
    TTestUi ui_;
    TScopedUi scoped_{ui_};
};

TEST_F(ChoixOp2LogiqueTest, NumberTextsAndColumnResults) {
    // Typed cells: six decimals, then eight digits; a leading separator is no decimal part.
    for (const auto& [tape, garde] : std::vector<std::pair<std::string, std::string>>{
             {"1,12345678", "1,123456"}, {"1234567,89", "1234567,8"}, {",1234567", ",1234567"}})
        EXPECT_EQ(NormaliseCellule(tape), garde);
    // Drawn numbers: rounded half up into six decimals, with a carry out of the first digit.
    for (const auto& [x, texte] : std::vector<std::pair<double, std::string>>{
             {0.1234565, "0,123457"}, {9.9999995, "10"}, {50 - 23.47, "26,53"}})
        EXPECT_EQ(FormateNombre(x), texte) << x;
    // A column's result, for each kind, exact (typed sums are checked through the dialog).
    const std::vector<std::tuple<int, std::vector<std::string>, std::string>> colonnes{
        {OP_SOUSTRACTION, {"3"}, ""},
        {OP_SOUSTRACTION, {"3", "5"}, "<0"},
        {OP_MULTIPLICATION, {"1,5", "4"}, "6"},
        {OP_DIVISION, {"7", "0"}, "Div /0"},
        {OP_DIVISION, {"10", "3"}, "3,333333"},
        {OP_DIVISION, {"", "3"}, ""},
        {OP_SOUSTRACTION, {"9,99", "9,98"}, "0,01"}};
    for (const auto& [operation, operandes, resultat] : colonnes) {
        ChoixOp2Logique& l = logique(operation);
        colonne(2, operandes);
        l.CellulesModifiees();
        EXPECT_EQ(grille_.Cell(2, l.LigneResultat()), resultat)
            << ChoixOp2Logique::Titre(operation);
    }
}

// Every number drawn has the form given, some have the second form given, the lowest is at most
// and the highest at least those given.
TEST_F(ChoixOp2LogiqueTest, DrawnNumbersFollowTheSettings) {
    struct Cas {
        double min, max, multiple1, multiple2;
        int decimales;
        bool pasDeZeros;
        const char *forme, *aussi;
        double plusPetit, plusGrand;
    };
    const std::vector<Cas> cas{
        // 0 and 0 stand for 10 and 1000; the maximum itself is never drawn.
        {0, 0, 0, 0, 0, false, "[1-9][0-9][0-9]?", "", 10, 999},
        {100, 1, 0, 0, 0, false, "[1-9][0-9]?", "", 1, 99},
        {5, 5, 0, 0, 0, false, "5", "", 5, 5},
        {0, 99999999, 0, 0, 0, false, "[0-9]{1,8}", "", 1e8, 5e7}, // beyond rand()'s 15 bits
        // "ou de" alone acts as "Multiple de"; both give either.
        {1, 100, 0, 25, 0, false, "25|50|75", "", 25, 75},
        {1, 100, 10, 25, 0, false, "[1-9]0|25|75", "25|75", 10, 90},
        // No zeros when possible: 10 when it is the only number; multiples of 20 still drawn.
        {10, 11, 0, 0, 0, true, "10", "", 10, 10},
        {1, 1000, 20, 0, 0, true, "[1-9]?[0-9]?[02468]0", "", 1000, 0},
        // Decimals keep their trailing zeros and go first within eight digits.
        {1, 2, 0, 0, 2, false, "1,[0-9][0-9]", "1,[0-9]0", 2, 0},
        {99999990, 99999999, 0, 0, 3, false, "[0-9,]{8}", "", 1e8, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(::testing::Message() << c.min << ".." << c.max << " " << c.forme);
        ChoixOp2Logique& l = logique(OP_ADDITION, c.min, c.max);
        l.Reglages.Multiple1 = c.multiple1;
        l.Reglages.Multiple2 = c.multiple2;
        l.Reglages.Decimales = c.decimales;
        l.Reglages.PasDeZeros = c.pasDeZeros;
        const std::regex forme(c.forme);
        const std::regex aussi(c.aussi);
        std::vector<double> valeurs;
        bool vu = false;
        for (int fois = 0; fois < 4000; ++fois) {
            const std::string t = l.TireNombre();
            ASSERT_TRUE(std::regex_match(t, forme)) << t;
            valeurs.push_back(LitNombre(t));
            vu = vu || std::regex_match(t, aussi);
        }
        EXPECT_TRUE(vu || *c.aussi == 0);
        EXPECT_LE(*std::min_element(valeurs.begin(), valeurs.end()), c.plusPetit);
        EXPECT_GE(*std::max_element(valeurs.begin(), valeurs.end()), c.plusGrand);
    }
}

TEST_F(ChoixOp2LogiqueTest, GeneratingFillsTheSelectionOrDerivesFromResults) {
    // Subtractions with decimals are never negative.
    ChoixOp2Logique& s = logique(OP_SOUSTRACTION, 1, 100);
    s.Reglages.Decimales = 2;
    std::string message;
    for (int fois = 0; fois < 20; ++fois) {
        EXPECT_TRUE(s.GenererNombres({1, 1, 24, 2}, message));
        for (int c = 1; c <= 24; ++c)
            EXPECT_GE(nombre(c, 1), nombre(c, 2)) << grille_.Cell(c, 3);
    }
    // On the result row only: results drawn, operands derived.
    EXPECT_TRUE(logique(OP_SOUSTRACTION, 10, 50).GenererNombres({1, 3, 3, 3}, message));
    for (int c = 1; c <= 3; ++c) {
        EXPECT_GE(nombre(c, 3), 10);
        EXPECT_LT(nombre(c, 3), 50);
        EXPECT_DOUBLE_EQ(nombre(c, 1) - nombre(c, 2), nombre(c, 3));
    }
    // The subtrahend stays below the maximum less the difference.
    ChoixOp2Logique& d = logique(OP_SOUSTRACTION, 1, 100);
    for (int fois = 0; fois < 100; ++fois) {
        d.DeriveOperandes(1, "30");
        EXPECT_LE(nombre(1, 2), 70);
        EXPECT_EQ(nombre(1, 1) - nombre(1, 2), 30);
    }
}

TEST_F(ChoixOp2LogiqueTest, ProductsAndQuotientsGiveTwoOperands) {
    ChoixOp2Logique& l = logique(OP_MULTIPLICATION);
    std::set<std::string> multiplicateurs;
    for (int fois = 0; fois < 200; ++fois) {
        l.DeriveOperandes(1, "12");
        EXPECT_EQ(nombre(1, 1) * nombre(1, 2), 12);
        multiplicateurs.insert(grille_.Cell(1, 2));
    }
    // A divisor f among 1, 2, 3, 4, 6 and its cofactor, the larger first.
    EXPECT_EQ(multiplicateurs, (std::set<std::string>{"1", "2", "3"}));
    EXPECT_GT(ui_.waitCursorUses, 0);
    EXPECT_EQ(ui_.waitCursorDepth, 0);
    // Decimals spread over the two factors; large products search from a random start; below
    // 2 there is no divisor: 1 x the product.
    for (const std::string produit : {"0,36", "9999991", "98765,4", "0,1"}) {
        l.DeriveOperandes(2, produit);
        EXPECT_EQ(grille_.Cell(2, 3), produit);
        EXPECT_NEAR(nombre(2, 1) * nombre(2, 2), LitNombre(produit), 1e-9) << produit;
    }
    EXPECT_EQ(grille_.Cell(2, 1), "1");
    ChoixOp2Logique& q = logique(OP_DIVISION, 1, 100);
    for (int fois = 0; fois < 50; ++fois) {
        q.DeriveOperandes(1, "4");
        EXPECT_LE(nombre(1, 1), 100);
        EXPECT_EQ(nombre(1, 1) / nombre(1, 2), 4);
    }
    q.DeriveOperandes(2, "0");
    EXPECT_EQ(grille_.Cell(2, 1), "0");
    EXPECT_NE(grille_.Cell(2, 2), "");
}

TEST_F(ChoixOp2LogiqueTest, ValidationStopsAtTheFirstErrorInItsOrderAndWritesNothing) {
    // Column order first: a missing operand of column 1 before column 2's result; with two
    // operand rows a lone second operand is a missing operand; digits are counted once every
    // column passed.
    const std::vector<std::tuple<int, std::vector<std::vector<std::string>>, std::string>> cas{
        {OP_SOUSTRACTION, {{"3", "5"}, {"5"}}, "Résultat négatif en opération 1"},
        {OP_SOUSTRACTION, {{"5"}, {"3", "5"}}, "Opérande absent dans l'opération 1"},
        {OP_ADDITION, {{"1", "2"}, {"", "", "4"}}, "Opérande absent dans l'opération 2"},
        {OP_ADDITION, {{"123456789", "1"}, {"4"}}, "Opérande absent dans l'opération 2"}};
    const TTableOperandes avant = tableOperandes({{40, 2}});
    for (const auto& [operation, colonnes, attendu] : cas) {
        logique(operation).Reglages.ValeurMax = 7;
        for (std::size_t i = 0; i < colonnes.size(); ++i)
            colonne(int(i) + 1, colonnes[i]);
        logique_->CalculeResultats();
        TTableOperandes table = avant;
        TDefinitionOperandes definition = DefinitionStandard();
        std::string message;
        EXPECT_FALSE(logique_->Valider(table, definition, message));
        EXPECT_EQ(message, attendu);
        EXPECT_EQ(table, avant);
        EXPECT_EQ(definition.ValeurMax, 100);
    }
}

} // namespace

// The operand texts under a French C locale: drawn numbers, typed cells and read numbers.
TEST_F(FrenchLocale, OperandTextsIgnoreTheCLocale) {
    for (const auto& [x, texte] : std::vector<std::pair<double, std::string>>{
             {886, "886"}, {2.5, "2,5"}, {0.1234565, "0,123457"}, {-3.75, "-3,75"}})
        EXPECT_EQ(FormateNombre(x), texte) << x;
    for (const auto& [texte, x] : std::vector<std::pair<std::string, double>>{
             {"2.5", 2.5}, {" 2,5", 2.5}, {"12,75 ", 12.75}, {"7e3", 7}, {"", 0}})
        EXPECT_EQ(LitNombre(texte), x) << texte;
}
