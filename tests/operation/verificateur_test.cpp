// Holed multiplications and divisions checked independently: the generated ones by a checker
// written from the rules of posed operations (their lines without holes are the written
// operation, their holes stay on the lines their positions allow and leave exactly one way to
// fill them), and the worker's fast uniqueness searches against the plain ones, on consistent
// exercises with random holes and on inconsistent lines alike.
#include "OperationFixture.h"
#include "RechercheSimple.h"
#include "Verificateur.h"
#include "operation/Nombres.h"
#include "operation/OperGen.h"
#include "operation/RechercheTrous.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

using Lignes = std::vector<std::string>;

class VerificateurTest : public OperationFixture {
protected:
    int entre(int bas, int haut) { return bas + int(alea_() % unsigned(haut - bas + 1)); }

    // A number of `entiers` integer digits (the first not 0 unless `zeros`) and `decimales`
    // decimals (the last not 0).
    double tire(int entiers, int decimales, bool zeros = false) {
        long chiffres = 0;
        for (int i = 0; i < entiers + decimales; ++i) {
            const bool nonNul = (i == 0 && entiers > 0 && !zeros) ||
                                (i == entiers + decimales - 1 && decimales > 0);
            chiffres = chiffres * 10 + entre(nonNul ? 1 : 0, 9);
        }
        double v = double(chiffres);
        for (int i = 0; i < decimales; ++i)
            v /= 10;
        return v;
    }

    static Lignes sansTrous(Lignes l) {
        for (std::string& ligne : l)
            for (char& c : ligne)
                c = verificateur::lu(c);
        return l;
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

    std::mt19937 alea_{20240611};
};

// The checker itself can fail: it tells a wrong product, no completion and several apart.
TEST(VerificateurSeul, RejectsWrongAndAmbiguousExercises) {
    EXPECT_EQ(verificateur::ecritMultiplication("12", "34", ','),
              (Lignes{"12", "34", "48", "36", "408"}));
    EXPECT_EQ(verificateur::ecritDivision("1", "3", false, 2, ','),
              (Lignes{"1", "3", "0,33", "10", "1"}));
    EXPECT_GT(verificateur::compteSomme({"1<", "2?", "37"}, false, ','), 1); // 2 + 5, 3 + 4...
    EXPECT_EQ(verificateur::compteSomme({"9", "5", "3"}, true, ','), 0);
    // Pattern, division, precision: completions (2 for several).
    const std::vector<std::tuple<Lignes, bool, int, long>> cas{
        {{"1<", "34", "48", "36", "408"}, false, 0, 1},
        {{"1<", "34", "48", "36", "418"}, false, 0, 0},
        {{"<", ">", "8"}, false, 0, 2}, // 2 x 4 = 4 x 2 = 1 x 8 = 8 x 1
        {{";", "3", "0,33", "10", "1"}, true, 2, 1},
        {{";", "3", "0,34", "10", "1"}, true, 2, 0},
        {{"72", "B", "C", "0"}, true, 0, 2}}; // 72 : 8 = 9 and 72 : 9 = 8
    for (const auto& [motif, division, precision, n] : cas) {
        verificateur::Compteur compteur(motif, ',', division, false, precision);
        EXPECT_EQ(std::min(2L, compteur.Compte()), n) << ::testing::PrintToString(motif);
    }
}

TEST_F(VerificateurTest, EveryHoledExerciseHasExactlyOneCompletion) {
    TvlOperation& op = nouvelle();
    change(op, "InhibeCalculsAuto=1");
    int exercices = 0;
    int avecTrous = 0;
    for (int lot = 0; exercices < 10000; ++lot) {
        const bool division = lot % 2 == 1;
        const bool isoles = lot % 5 != 4;
        const int positions = entre(0, 7);
        const int niveau = entre(0, 2);
        const bool longue = alea_() % 2 == 0;
        const bool posee = alea_() % 4 != 0;
        const int precision = entre(0, 3);
        // Up to 3 decimals, and now and then a zero operand (a divisor of 0 is refused).
        const auto decimales = [this] { return std::max(0, entre(-4, 3)); };
        const auto zero = [this](double v) { return entre(0, 11) == 0 ? 0.0 : v; };
        for (TLigneOperandes& ligne : op.TableOperandes) {
            ligne.fill(-1.0);
            if (division) {
                ligne[0] = zero(tire(entre(1, 4), decimales()));
                ligne[1] = tire(entre(1, 2), entre(0, 4) == 0 ? 1 : 0);
            } else {
                ligne[0] = zero(tire(entre(1, 3) + (alea_() % 8 == 0 ? 1 : 0), decimales()));
                ligne[1] = zero(tire(entre(1, 3), decimales()));
            }
        }
        std::ostringstream cles; // the last one regenerates
        cles << "Operation=" << (division ? 3 : 2) << ";PositionTrous=" << positions
             << ";TrousIsoles=" << isoles << (division ? ";DifficulteDiv=" : ";DifficulteMult=")
             << niveau << ";DivisionLongue=" << longue << ";PrecisionDiv=" << precision
             << ";OperationPosee=" << posee;
        change(op, cles.str());
        const bool formeLongue = longue || !posee;
        ASSERT_EQ(op.Operations().size(), op.TableOperandes.size());
        for (std::size_t i = 0; i < op.Operations().size(); ++i) {
            const OperGen& record = *op.Operations()[i];
            const std::vector<std::string>& lignes =
                division ? dynamic_cast<const Division&>(record).Lignes
                         : dynamic_cast<const Multiplication&>(record).Lignes;
            const std::string a = DoubleToString(op.TableOperandes[i][0]);
            const std::string b = DoubleToString(op.TableOperandes[i][1]);
            const std::vector<std::string> ecrit =
                division ? verificateur::ecritDivision(a, b, formeLongue, precision, ',')
                         : verificateur::ecritMultiplication(a, b, ',');
            ASSERT_EQ(sansTrous(lignes), ecrit) << a << (division ? "\u00A0: " : " x ") << b;
            ++exercices;
            // Holes only on the lines the positions allow (operands 1 and 2, results 4), and
            // without isolated holes on whole lines.
            for (std::size_t j = 0; j < lignes.size(); ++j) {
                const std::string& l = lignes[j];
                const long trous = std::count_if(l.begin(), l.end(), verificateur::estTrou);
                const bool permis = (positions & (j < 2 ? 1 << j : 4)) != 0;
                const long chiffres = long(l.size()) - std::count(l.begin(), l.end(), ',');
                EXPECT_TRUE(trous == 0 || (permis && (isoles || trous == chiffres)))
                    << l << " P=" << positions << " isoles=" << isoles;
            }
            const long n =
                verificateur::Compteur(lignes, ',', division, formeLongue, precision).Compte();
            ASSERT_EQ(n, 1) << ::testing::PrintToString(lignes) << " " << cles.str();
            if (lignes != ecrit)
                ++avecTrous;
        }
    }
    EXPECT_GT(avecTrous, exercices * 3 / 4);
}

// 12 x 90 once gave "1_ x _0 = 1080", which 18 x 60 fills too: whatever the draw, one way.
TEST_F(VerificateurTest, TwelveTimesNinetyHasOneCompletionOnEverySeed) {
    TvlOperation& op = nouvelle();
    change(op, "InhibeCalculsAuto=1");
    for (TLigneOperandes& ligne : op.TableOperandes) {
        ligne.fill(-1.0);
        ligne[0] = 12;
        ligne[1] = 90;
    }
    int avecTrous = 0;
    for (std::uint32_t graine = 0; graine < 40; ++graine) {
        SeedRandom(graine);
        change(op, "Operation=2;TrousIsoles=1;DifficulteMult=2;PositionTrous=3");
        for (const auto& record : op.Operations()) {
            const Lignes& lignes = dynamic_cast<const Multiplication&>(*record).Lignes;
            EXPECT_EQ(verificateur::Compteur(lignes, ',', false, false, 0).Compte(), 1)
                << ::testing::PrintToString(lignes) << " graine " << graine;
            avecTrous += lignes[0] + lignes[1] != "1290";
        }
    }
    EXPECT_GT(avecTrous, 0);
}

// Sums of 2 to 5 operands and differences: right when written, one way to fill their holes.
TEST_F(VerificateurTest, EveryHoledSumHasExactlyOneCompletion) {
    TvlOperation& op = nouvelle();
    change(op, "InhibeCalculsAuto=1");
    for (int lot = 0; lot < 400; ++lot) {
        const bool soustraction = lot % 2 == 1;
        for (TLigneOperandes& ligne : op.TableOperandes) {
            ligne.fill(-1.0);
            for (int k = 0; k < (soustraction ? 2 : entre(2, 5)); ++k)
                ligne[std::size_t(k)] = tire(entre(1, 4), std::max(0, entre(-4, 3)));
        }
        std::ostringstream cles;
        cles << "Operation=" << soustraction << ";TrousIsoles=" << (lot % 5 != 4)
             << ";OperationPosee=" << (lot % 3 != 0)
             << ";PositionTrous=" << entre(0, soustraction ? 7 : 15);
        change(op, cles.str());
        for (const auto& record : op.Operations()) {
            const auto* a = dynamic_cast<const Addition*>(record.get());
            const auto* s = dynamic_cast<const Soustraction*>(record.get());
            const Lignes nombres =
                a != nullptr ? Lignes(a->Nombres.begin(), a->Nombres.begin() + a->NbOperandes + 1)
                             : Lignes(s->Nombres.begin(), s->Nombres.end());
            for (const Lignes& l : {sansTrous(nombres), nombres})
                ASSERT_EQ(verificateur::compteSomme(l, soustraction, ','), 1)
                    << ::testing::PrintToString(l) << cles.str();
        }
    }
}

// On consistent exercises with random holes and on lines made inconsistent; all three answers
// (none, one, several) are met often.
TEST_F(VerificateurTest, FastSearchesCountAsThePlainOnes) {
    for (const bool division : {false, true}) {
        alea_.seed(division ? 78 : 77);
        std::array<int, 3> vus{};
        // Under a limit of steps, the same walk either ends as before within the limit or stops
        // at its first step beyond it (a completed division is checked as 32 steps at once, so
        // that it may also end past the limit without another step).
        const auto sousLimite = [&](auto& recherche, const auto& compte, int rapide) {
            const std::uint64_t etapes = recherche.Etapes();
            const auto limite =
                std::uint64_t(entre(1, int(std::min<std::uint64_t>(etapes, 1 << 20)) * 2));
            recherche.LimiteEtapes(limite);
            const int limitee = compte();
            const std::uint64_t pris = recherche.Etapes();
            const bool arretee = limitee == 2 && limite < etapes && pris > limite &&
                                 pris <= limite + (division ? 33 : 1);
            const bool finie =
                limitee == rapide && pris == etapes && (limite >= etapes || division);
            ASSERT_TRUE(arretee || finie)
                << limitee << " " << limite << " / " << pris << " / " << etapes;
        };
        for (int essai = 0; essai < (division ? 1200 : 3000); ++essai) {
            Lignes l;
            int attendu = 0;
            int rapide = 0;
            if (division) {
                const bool longue = essai % 2 == 0;
                const int precision = entre(0, 3);
                double diviseur = tire(entre(1, 2), entre(0, 4) == 0 ? 1 : 0, false);
                if (entre(0, 5) == 0)
                    diviseur *= 100; // trailing zeros
                std::int16_t supprimes = 0;
                EcrireDivision(tire(entre(1, 4), entre(0, 3) == 0 ? 1 : 0, entre(0, 9) == 0),
                               diviseur, l, longue, precision, supprimes);
                if (essai % 5 == 4 && l.size() > 3)
                    derange(l);
                troue(l, entre(10, 90), entre(1, 3));
                CalculDivision calcul;
                attendu = std::min(2, simple::compteDiv(l, longue, precision, calcul));
                RechercheDiv recherche;
                const auto compte = [&] {
                    return recherche.Compte(BlocLignes(l), longue, precision);
                };
                rapide = compte();
                sousLimite(recherche, compte, rapide);
            } else {
                const bool zero = entre(0, 19) == 0;
                EcrireMultiplication(tire(entre(1, 3), entre(0, 4) == 0 ? 1 : 0, zero),
                                     tire(entre(1, 3), entre(0, 4) == 0 ? 2 : 0, zero), l);
                const int da = SupprimeVirgule(l[0]);
                const int db = SupprimeVirgule(l[1]);
                for (std::string& ligne : l)
                    SupprimeVirgule(ligne);
                if (essai % 4 == 3)
                    derange(l);
                troue(l, entre(10, 90), entre(1, 4));
                attendu = std::min(2, simple::compteMult(l, da, db));
                RechercheMult recherche;
                const auto compte = [&] { return recherche.Compte(BlocLignes(l), da, db); };
                rapide = compte();
                sousLimite(recherche, compte, rapide);
            }
            ASSERT_EQ(rapide, attendu) << ::testing::PrintToString(l) << " essai " << essai;
            ++vus[std::size_t(attendu)];
        }
        EXPECT_GT(*std::min_element(vus.begin(), vus.end()), division ? 50 : 100) << division;
    }
}

} // namespace
