// The operand dialog's logic on a plain grid: number texts, column results, numbers drawn from
// the settings, operands derived from a result, and the checks that give the table back.
#include "operation/ChoixOp2Logique.h"

#include "OperationFixture.h"
#include "operation/Nombres.h"
#include "platform/UserInterface.h"

#include <regex>
#include <set>

namespace {

class ChoixOp2LogiqueTest : public SeparateursFixture {
protected:
    ChoixOp2LogiqueTest() { SeedRandom(7); }

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
    // `n` numbers drawn with the current settings.
    std::vector<std::string> tirages(int n) const {
        std::vector<std::string> textes(static_cast<std::size_t>(n));
        for (std::string& t : textes)
            t = logique_->TireNombre();
        return textes;
    }
    std::set<int> entiersTires(int n) const {
        std::set<int> vus;
        for (const std::string& t : tirages(n))
            vus.insert(std::stoi(t));
        return vus;
    }

    SuperGridModel grille_;
    std::unique_ptr<ChoixOp2Logique> logique_;
    TTestUi ui_;
    TScopedUi scoped_{ui_};
};

TEST_F(ChoixOp2LogiqueTest, NumberTexts) {
    // Typed cells: six decimals, then eight digits; a leading separator is no decimal part.
    const std::vector<std::pair<std::string, std::string>> cellules{
        {"1,12345678", "1,123456"}, {"123456789", "12345678"}, {"1234567,89", "1234567,8"},
        {"12345678,5", "12345678"}, {",1234567", ",1234567"},  {"", ""}};
    for (const auto& [tape, garde] : cellules)
        EXPECT_EQ(NormaliseCellule(tape), garde);
    // Drawn numbers: rounded half up into six decimals, with a carry out of the first digit.
    const std::vector<std::pair<double, std::string>> tires{
        {2.5, "2,5"},      {100, "100"},         {0.1234565, "0,123457"}, {0.1234564, "0,123456"},
        {9.9999995, "10"}, {50 - 23.47, "26,53"}};
    for (const auto& [x, texte] : tires)
        EXPECT_EQ(FormateNombre(x), texte) << x;
    // Results: positional, from fourteen significant digits.
    const std::vector<std::pair<double, std::string>> resultats{
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,33333333333333"},
        {99999999.0 * 99999999.0, "9999999800000000"},
        {0.000001 * 0.000001, "0,000000000001"},
        {0, "0"}};
    for (const auto& [x, texte] : resultats)
        EXPECT_EQ(TexteResultat(x), texte) << x;
    EXPECT_EQ(LitNombre(" 12,5"), 12.5);
    EXPECT_EQ(LitNombre("3.25"), 3.25);
    EXPECT_EQ(LitNombre("Div /0"), 0);
    SetDecimalSeparator('.');
    EXPECT_EQ(FormateNombre(7.25), "7.25");
}

TEST_F(ChoixOp2LogiqueTest, ColumnResultsForEachKind) {
    struct Cas {
        int operation;
        std::vector<std::string> operandes;
        std::string resultat;
    };
    const std::vector<Cas> cas{
        {OP_ADDITION, {}, ""},
        {OP_ADDITION, {"1,25", "", "2"}, "3,25"},
        {OP_SOUSTRACTION, {"3"}, ""},
        {OP_SOUSTRACTION, {"3", "5"}, "<0"},
        {OP_SOUSTRACTION, {"1000", "999"}, "1"},
        {OP_MULTIPLICATION, {"1,5", "4"}, "6"},
        {OP_DIVISION, {"7", "0"}, "Div /0"},
        {OP_DIVISION, {"10", "3"}, "3,333333"},
        {OP_DIVISION, {"", "3"}, ""},
    };
    for (const Cas& c : cas) {
        ChoixOp2Logique& l = logique(c.operation);
        colonne(2, c.operandes);
        l.CellulesModifiees();
        EXPECT_EQ(grille_.Cell(2, l.LigneResultat()), c.resultat)
            << ChoixOp2Logique::Titre(c.operation);
    }
}

TEST_F(ChoixOp2LogiqueTest, TheGridTakesTheTableAndTheKindsRows) {
    ChoixOp2Logique l(grille_, OP_SOUSTRACTION);
    l.Initialise(tableOperandes({{12, 7.5, 3}, {}, {-1, 4}}), DefinitionStandard());
    EXPECT_EQ(grille_.ColCount(), 25);
    EXPECT_EQ(grille_.RowCount(), 4);
    EXPECT_EQ(grille_.Cell(24, 0), "Op. 24");
    // Non-negative cells only; results computed and protected.
    const std::vector<std::string> colonnes{grille_.Cell(1, 1), grille_.Cell(1, 2),
                                            grille_.Cell(1, 3), grille_.Cell(3, 1),
                                            grille_.Cell(3, 2)};
    EXPECT_EQ(colonnes, (std::vector<std::string>{"12", "7,5", "4,5", "", "4"}));
    EXPECT_TRUE(grille_.IsProtected(1, 3));
    EXPECT_FALSE(grille_.IsProtected(1, 2));
    for (const char* c : {"7", ",", "."})
        EXPECT_TRUE(grille_.Accepts(c)) << c;
    EXPECT_FALSE(grille_.Accepts("x"));
    // Five operand rows for additions.
    ChoixOp2Logique a(grille_, OP_ADDITION);
    EXPECT_EQ(grille_.RowCount(), 7);
}

// ---- drawing ----

TEST_F(ChoixOp2LogiqueTest, DrawnNumbersStayWithinTheBoundsMaxExcluded) {
    // 0 and 0 stand for 10 and 1000; the maximum itself is never drawn.
    for (const auto& [min, max, plusPetit, plusGrand] : std::vector<std::array<int, 4>>{
             {0, 0, 10, 999}, {1, 100, 1, 99}, {100, 1, 1, 99}, {5, 5, 5, 5}}) {
        logique(OP_ADDITION, min, max);
        const std::set<int> vus = entiersTires(4000);
        EXPECT_EQ(*vus.begin(), plusPetit) << min << ".." << max;
        EXPECT_EQ(*vus.rbegin(), plusGrand) << min << ".." << max;
    }
    // Bounds beyond rand()'s fifteen bits are reached.
    logique(OP_ADDITION, 0, 99999999);
    EXPECT_GT(*entiersTires(200).rbegin(), 50000000);
}

TEST_F(ChoixOp2LogiqueTest, MultiplesAndNoZerosShapeTheDrawnNumber) {
    ChoixOp2Logique& l = logique(OP_ADDITION, 1, 100);
    l.Reglages.Multiple1 = 5;
    std::set<int> attendus;
    for (int m = 5; m <= 95; m += 5)
        attendus.insert(m);
    EXPECT_EQ(entiersTires(2000), attendus);
    // "ou de" alone acts as "Multiple de"; both give either.
    l.Reglages.Multiple1 = 0;
    l.Reglages.Multiple2 = 7;
    for (const int v : entiersTires(200))
        EXPECT_EQ(v % 7, 0) << v;
    l.Reglages.Multiple1 = 10;
    std::set<int> lesquels;
    for (const int v : entiersTires(400))
        lesquels.insert(v % 10 == 0 ? 10 : v % 7 == 0 ? 7 : v);
    EXPECT_EQ(lesquels, (std::set<int>{7, 10}));

    // No zeros when possible; 10 is kept when it is the only number, and multiples of 10 are
    // drawn without retries.
    logique(OP_ADDITION, 100, 999).Reglages.PasDeZeros = true;
    for (const std::string& t : tirages(1000))
        EXPECT_EQ(t.find('0'), std::string::npos) << t;
    logique(OP_ADDITION, 10, 11).Reglages.PasDeZeros = true;
    EXPECT_EQ(logique_->TireNombre(), "10");
    ChoixOp2Logique& z = logique(OP_ADDITION, 1, 1000);
    z.Reglages.PasDeZeros = true;
    z.Reglages.Multiple1 = 20;
    for (const int v : entiersTires(50))
        EXPECT_EQ(v % 20, 0) << v;
}

TEST_F(ChoixOp2LogiqueTest, DecimalsKeepTheirTrailingZerosWithinEightDigits) {
    ChoixOp2Logique& l = logique(OP_ADDITION, 1, 2);
    l.Reglages.Decimales = 2;
    const std::regex forme("1,[0-9][0-9]");
    bool zeroFinal = false;
    for (const std::string& t : tirages(300)) {
        EXPECT_TRUE(std::regex_match(t, forme)) << t;
        zeroFinal = zeroFinal || t.back() == '0';
    }
    EXPECT_TRUE(zeroFinal);
    // The decimals go first.
    l.Reglages.ValeurMin = 99999990;
    l.Reglages.ValeurMax = 99999999;
    l.Reglages.Decimales = 3;
    for (const std::string& t : tirages(20))
        EXPECT_EQ(t.size(), 8u) << t;
    l.Reglages.ValeurMin = 123456;
    l.Reglages.ValeurMax = 123457;
    EXPECT_EQ(l.TireNombre().size(), 9u); // "123456,ab"
}

TEST_F(ChoixOp2LogiqueTest, GeneratingFillsTheSelectedOperandCellsOrDerivesFromResults) {
    ChoixOp2Logique& l = logique(OP_ADDITION, 10, 20);
    // Columns 2 to 4, the result row left out of the selection.
    l.GenererNombres({2, 1, 4, 6});
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 6; ++r)
            EXPECT_EQ(CelluleRemplie(grille_.Cell(c, r)), c >= 2 && c <= 4) << c << "," << r;
    l.GenererNombres({6, 1, 6, 2});
    EXPECT_EQ(grille_.Cell(6, 3), "");
    EXPECT_EQ(nombre(6, 6), nombre(6, 1) + nombre(6, 2));
    // On the result row only: results drawn, operands derived.
    logique(OP_SOUSTRACTION, 10, 50).GenererNombres({1, 3, 3, 3});
    for (int c = 1; c <= 3; ++c) {
        EXPECT_GE(nombre(c, 3), 10);
        EXPECT_LT(nombre(c, 3), 50);
        EXPECT_DOUBLE_EQ(nombre(c, 1) - nombre(c, 2), nombre(c, 3));
    }
}

TEST_F(ChoixOp2LogiqueTest, DrawnSubtractionsAreNeverNegative) {
    for (const int decimales : {0, 2}) {
        ChoixOp2Logique& l = logique(OP_SOUSTRACTION, 1, 100);
        l.Reglages.Decimales = decimales;
        for (int fois = 0; fois < 20; ++fois) {
            l.GenererNombres({1, 1, 24, 2});
            for (int c = 1; c <= 24; ++c)
                EXPECT_GE(nombre(c, 1), nombre(c, 2)) << grille_.Cell(c, 3);
        }
    }
    // Only the second row: the first operand already there is the limit.
    ChoixOp2Logique& l = logique(OP_SOUSTRACTION, 1, 100);
    grille_.SetCell(1, 1, "30");
    for (int fois = 0; fois < 50; ++fois) {
        l.GenererNombres({1, 2, 1, 2});
        EXPECT_LE(nombre(1, 2), 30);
    }
}

// ---- operands from a result ----

TEST_F(ChoixOp2LogiqueTest, SumsAndDifferencesAreSplitWithinTheSettings) {
    // Into the filled operands, or five.
    ChoixOp2Logique& l = logique(OP_ADDITION, 1, 100);
    l.DeriveOperandes(1, "50");
    double somme = 0;
    for (int r = 1; r <= 5; ++r) {
        ASSERT_TRUE(CelluleRemplie(grille_.Cell(1, r))) << r;
        somme += nombre(1, r);
    }
    EXPECT_DOUBLE_EQ(somme, 50);
    EXPECT_EQ(grille_.Cell(1, 6), "50");
    colonne(2, {"3", "4"});
    l.Reglages.Decimales = 2;
    l.DeriveOperandes(2, "10,5");
    EXPECT_EQ(grille_.Cell(2, 3), "");
    EXPECT_EQ(grille_.Cell(2, 6), "10,5");
    EXPECT_NEAR(nombre(2, 1) + nombre(2, 2), 10.5, 1e-9);
    // The subtrahend stays below the maximum less the result.
    ChoixOp2Logique& s = logique(OP_SOUSTRACTION, 1, 100);
    for (int fois = 0; fois < 100; ++fois) {
        s.DeriveOperandes(1, "30");
        EXPECT_LE(nombre(1, 2), 70);
        EXPECT_EQ(nombre(1, 1) - nombre(1, 2), 30);
    }
}

TEST_F(ChoixOp2LogiqueTest, ProductsAreSplitIntoADivisorAndItsCofactor) {
    ChoixOp2Logique& l = logique(OP_MULTIPLICATION);
    std::set<std::string> multiplicateurs;
    for (int fois = 0; fois < 200; ++fois) {
        l.DeriveOperandes(1, "12");
        EXPECT_GE(nombre(1, 1), nombre(1, 2));
        EXPECT_EQ(nombre(1, 1) * nombre(1, 2), 12);
        multiplicateurs.insert(grille_.Cell(1, 2));
    }
    // f among 1, 2, 3, 4, 6: the smaller factor is 1, 2 or 3.
    EXPECT_EQ(multiplicateurs, (std::set<std::string>{"1", "2", "3"}));
    EXPECT_GT(ui_.waitCursorUses, 0);
    EXPECT_EQ(ui_.waitCursorDepth, 0);
    // Decimals spread over the two factors; large products search from a random start.
    for (const std::string produit : {"1,2", "0,36", "9999991", "12345678", "98765,4"}) {
        l.DeriveOperandes(2, produit);
        EXPECT_EQ(grille_.Cell(2, 3), produit);
        EXPECT_GE(nombre(2, 1), nombre(2, 2));
    }
    // Below 2 there is no divisor: 1 x the product.
    for (const std::string produit : {"1", "0,1", "0"}) {
        l.DeriveOperandes(3, produit);
        EXPECT_EQ(grille_.Cell(3, 1), "1") << produit;
        EXPECT_EQ(grille_.Cell(3, 2), produit);
    }
}

TEST_F(ChoixOp2LogiqueTest, QuotientsGiveADividendAndADivisor) {
    ChoixOp2Logique& l = logique(OP_DIVISION, 1, 100);
    for (int fois = 0; fois < 50; ++fois) {
        l.DeriveOperandes(1, "4");
        EXPECT_EQ(grille_.Cell(1, 3), "4");
        EXPECT_LE(nombre(1, 1), 100);
    }
    l.DeriveOperandes(2, "0");
    EXPECT_EQ(grille_.Cell(2, 1), "0");
    EXPECT_NE(grille_.Cell(2, 2), "");
    // A quotient below 1: the larger number is written as dividend.
    l.DeriveOperandes(3, "0,5");
    EXPECT_GE(nombre(3, 1), nombre(3, 2));
}

// ---- validation ----

TEST_F(ChoixOp2LogiqueTest, ValidationStopsAtTheFirstErrorInItsOrderAndWritesNothing) {
    // Column order first: a missing operand of column 1 before column 2's result; with two
    // operand rows a lone second operand is a missing operand; digits are counted once every
    // column passed.
    struct Cas {
        int operation;
        std::vector<std::vector<std::string>> colonnes; // from column 1
        std::string message;
    };
    const std::vector<Cas> cas{
        {OP_DIVISION, {{"8", "2"}, {"7", "0"}}, "Division par zéro\nErreur en opération 2"},
        {OP_SOUSTRACTION, {{"3", "5"}, {"5"}}, "Résultat négatif en opération 1"},
        {OP_SOUSTRACTION, {{"5"}, {"3", "5"}}, "Opérande absent dans l'opération 1"},
        {OP_ADDITION, {{"1", "2"}, {"", "", "4"}}, "Opérande absent dans l'opération 2"},
        {OP_MULTIPLICATION, {{"", "5"}}, "Opérande absent dans l'opération 1"},
        {OP_ADDITION, {{"1", "2"}, {"1", "12345678,9"}}, "Trop de chiffres en opération 2 ligne 2"},
        {OP_ADDITION, {{"123456789", "1"}, {"4"}}, "Opérande absent dans l'opération 2"},
        {OP_ADDITION, {}, "Il faut au moins définir une opération!"},
    };
    const TTableOperandes avant = tableOperandes({{40, 2}});
    for (const Cas& c : cas) {
        logique(c.operation).Reglages.ValeurMax = 7;
        for (std::size_t i = 0; i < c.colonnes.size(); ++i)
            colonne(int(i) + 1, c.colonnes[i]);
        logique_->CalculeResultats();
        TTableOperandes table = avant;
        TDefinitionOperandes definition = DefinitionStandard();
        std::string message;
        EXPECT_FALSE(logique_->Valider(table, definition, message));
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(table, avant);
        EXPECT_EQ(definition.ValeurMax, 100);
    }
}

TEST_F(ChoixOp2LogiqueTest, ValidationPacksTheFilledColumnsAndTakesTheSettings) {
    ChoixOp2Logique& l = logique(OP_ADDITION);
    colonne(2, {"12", "", "7,5"});
    colonne(5, {"1,25", "2", "", "", "3"});
    l.CellulesModifiees();
    const TDefinitionOperandes reglages{OP_ADDITION, {}, 10, 500, 5, 2.5, 3, true, {}};
    l.Reglages = reglages;
    TTableOperandes table = tableOperandes({{}, {}, {}, {}, {}, {}, {}, {99}});
    TDefinitionOperandes definition = DefinitionStandard();
    std::string message;
    ASSERT_TRUE(l.Valider(table, definition, message)) << message;
    EXPECT_EQ(table, tableOperandes({{12, 7.5}, {1.25, 2, 3}}));
    EXPECT_EQ(DefinitionVersTexte(definition), DefinitionVersTexte(reglages));
}

} // namespace
