// The worker's uniqueness searches against the plain ones, on consistent exercises with random
// holes and on inconsistent lines alike.
#include "operation/RechercheTrous.h"

#include "OperationFixture.h"
#include "RechercheSimple.h"
#include "operation/Nombres.h"

#include <random>

namespace {

using Lignes = std::vector<std::string>;

class RechercheTest : public SeparateursFixture {
protected:
    int entre(int bas, int haut) { return bas + int(alea_() % unsigned(haut - bas + 1)); }

    double nombre(int entiers, int decimales, bool zeros) {
        long v = 0;
        for (int i = 0; i < entiers + decimales; ++i)
            v = v * 10 + entre(i == 0 && !zeros ? 1 : 0, 9);
        double x = double(v);
        for (int i = 0; i < decimales; ++i)
            x /= 10;
        return x;
    }

    // Holes each digit of the lines with a chance of `pourcent`, at most `maxOperandes` of them
    // on the two operands.
    void troue(Lignes& l, int pourcent, int maxOperandes) {
        int operandes = 0;
        for (std::size_t j = 0; j < l.size(); ++j)
            for (char& c : l[j]) {
                if (!EstChiffre(c) || entre(0, 99) >= pourcent)
                    continue;
                if (j < 2 && operandes++ >= maxOperandes)
                    continue;
                c = Trou(c);
            }
    }

    // A line of random digits in place of a random line (from line 2 on).
    void derange(Lignes& l) {
        std::string ligne;
        const int n = entre(1, 6);
        for (int i = 0; i < n; ++i)
            ligne += char('0' + entre(0, 9));
        l[std::size_t(entre(2, int(l.size()) - 1))] = ligne;
    }

    std::mt19937 alea_{77};
};

int rapideMult(const Lignes& l, int da, int db) {
    RechercheMult recherche;
    return recherche.Compte(BlocLignes(l), da, db);
}

int simpleMult(Lignes l, int da, int db) {
    return std::min(2, simple::compteMult(l, da, db));
}

int rapideDiv(const Lignes& l, bool longue, int precision) {
    RechercheDiv recherche;
    return recherche.Compte(BlocLignes(l), longue, precision);
}

int simpleDiv(Lignes l, bool longue, int precision) {
    CalculDivision calcul;
    return std::min(2, simple::compteDiv(l, longue, precision, calcul));
}

TEST_F(RechercheTest, MultiplicationCountsAreThoseOfThePlainSearch) {
    std::array<int, 3> vus{};
    for (int essai = 0; essai < 3000; ++essai) {
        const bool zero = entre(0, 19) == 0;
        Lignes l;
        EcrireMultiplication(nombre(entre(1, 3), entre(0, 4) == 0 ? 1 : 0, zero),
                             nombre(entre(1, 3), entre(0, 4) == 0 ? 2 : 0, zero), l);
        const int da = SupprimeVirgule(l[0]);
        const int db = SupprimeVirgule(l[1]);
        for (std::string& ligne : l)
            SupprimeVirgule(ligne);
        if (essai % 4 == 3)
            derange(l);
        troue(l, entre(10, 90), entre(1, 4));
        const int attendu = simpleMult(l, da, db);
        ASSERT_EQ(rapideMult(l, da, db), attendu)
            << ::testing::PrintToString(l) << " " << da << " " << db;
        ++vus[std::size_t(attendu)];
    }
    // All three answers are met.
    EXPECT_GT(*std::min_element(vus.begin(), vus.end()), 100);
}

TEST_F(RechercheTest, DivisionCountsAreThoseOfThePlainSearch) {
    std::array<int, 3> vus{};
    for (int essai = 0; essai < 1200; ++essai) {
        const bool longue = essai % 2 == 0;
        const int precision = entre(0, 3);
        double diviseur = nombre(entre(1, 2), entre(0, 4) == 0 ? 1 : 0, false);
        if (entre(0, 5) == 0)
            diviseur *= 100; // trailing zeros
        Lignes l;
        std::int16_t supprimes = 0;
        EcrireDivision(nombre(entre(1, 4), entre(0, 3) == 0 ? 1 : 0, entre(0, 9) == 0), diviseur, l,
                       longue, precision, supprimes);
        if (essai % 5 == 4 && l.size() > 3)
            derange(l);
        troue(l, entre(10, 90), entre(1, 3));
        const int attendu = simpleDiv(l, longue, precision);
        ASSERT_EQ(rapideDiv(l, longue, precision), attendu)
            << ::testing::PrintToString(l) << " longue=" << longue << " precision=" << precision;
        ++vus[std::size_t(attendu)];
    }
    EXPECT_GT(*std::min_element(vus.begin(), vus.end()), 50);
}

TEST_F(RechercheTest, CountsStopAtTwo) {
    // 12 x 34 = 17 x 24 = 408.
    EXPECT_EQ(rapideMult({"1<", "=4", "408"}, 0, 0), 2);
    EXPECT_EQ(rapideMult({";2", "3", "36"}, 0, 0), 1);
    // Nothing works: 12 x 3 is not 37.
    EXPECT_EQ(rapideMult({";2", "3", "37"}, 0, 0), 0);
    // A zero factor only goes with a one-digit product.
    EXPECT_EQ(rapideMult({":", "45", ":"}, 0, 0), 1);
    EXPECT_EQ(rapideMult({"7", ":", ":"}, 0, 0), 2);
    // 72 : 8 = 9 and 72 : 9 = 8 look alike once divisor and quotient are hidden.
    EXPECT_EQ(rapideDiv({"72", "B", "C", "0"}, false, 0), 2);
    EXPECT_EQ(rapideDiv({";", "3", "0,33", "10", "1"}, false, 2), 1);
}

TEST_F(RechercheTest, AStoppedSearchAnswersTwo) {
    const ArretRecherche arret = [] { return true; };
    // Enough holes for the search to poll its stop.
    RechercheMult mult;
    EXPECT_EQ(mult.Compte(BlocLignes({";<=", ">?@", "56088"}), 0, 0, arret), 2);
    RechercheDiv div;
    EXPECT_EQ(div.Compte(BlocLignes({";<=>", "?@", "22", "114", "02"}), false, 0, arret), 2);
}

TEST_F(RechercheTest, NumbersAgreeDigitByDigitAroundTheComma) {
    const std::vector<std::tuple<std::string, std::string, bool>> cas{
        {"0,33", "0,33", true},
        {"0,=3", "0,33", true},
        {"0,34", "0,33", false},
        // Integer parts meet on the right, decimals on the left.
        {"12", "012", true},
        {"12", "112", false},
        {"2,5", "2,50", true},
        {"2,5", "2,51", false},
        {"2,50", "2,5", true},
        {"2,51", "2,5", false},
        // A hole or a 0 may stand where the value has nothing.
        {"<2", "2", true},
        {"12", "2", false},
        {"2,5=", "2,5", true},
        {"", "0", true},
        {"7", "", false},
    };
    for (const auto& [motif, valeur, attendu] : cas)
        EXPECT_EQ(NombresConcordent(motif, valeur), attendu) << motif << " / " << valeur;
}

} // namespace
