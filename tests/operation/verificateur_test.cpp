// The generated multiplications and divisions checked by the independent checker: their lines
// without holes are the written operation, and their holes leave exactly one way to fill them.
#include "OperationFixture.h"
#include "Verificateur.h"
#include "operation/Nombres.h"
#include "operation/OperGen.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class VerificateurTest : public OperationFixture {
protected:
    // A number of `entiers` integer digits (the first not 0) and `decimales` decimals (the
    // last not 0), as a double.
    double tire(int entiers, int decimales) {
        long chiffres = 0;
        for (int i = 0; i < entiers + decimales; ++i) {
            int d = int(alea_() % 10);
            if ((i == 0 && entiers > 0) || (i == entiers + decimales - 1 && decimales > 0))
                d = 1 + int(alea_() % 9);
            chiffres = chiffres * 10 + d;
        }
        double v = double(chiffres);
        for (int i = 0; i < decimales; ++i)
            v /= 10;
        return v;
    }
    int entre(int bas, int haut) { return bas + int(alea_() % unsigned(haut - bas + 1)); }

    static std::vector<std::string> sansTrous(const std::vector<std::string>& lignes) {
        std::vector<std::string> l = lignes;
        for (std::string& ligne : l)
            for (char& c : ligne)
                c = verificateur::lu(c);
        return l;
    }

    std::mt19937 alea_{20240611};
};

// The checker itself can fail: it tells a wrong product, no completion and several apart.
TEST(VerificateurSeul, RejectsWrongAndAmbiguousExercises) {
    using verificateur::Compteur;
    EXPECT_EQ(verificateur::ecritMultiplication("12", "34", ','),
              (std::vector<std::string>{"12", "34", "48", "36", "408"}));
    EXPECT_NE(verificateur::ecritMultiplication("12", "34", ','),
              (std::vector<std::string>{"12", "34", "48", "36", "418"}));
    EXPECT_EQ(Compteur({"1<", "34", "48", "36", "408"}, ',', false).Compte(), 1);
    EXPECT_EQ(Compteur({"1<", "34", "48", "36", "418"}, ',', false).Compte(), 0);
    // 2 x 4 = 4 x 2 = 1 x 8 = 8 x 1.
    EXPECT_GT(Compteur({"<", ">", "8"}, ',', false).Compte(), 1);
    EXPECT_EQ(verificateur::ecritDivision("1", "3", false, 2, ','),
              (std::vector<std::string>{"1", "3", "0,33", "10", "1"}));
    EXPECT_EQ(Compteur({";", "3", "0,33", "10", "1"}, ',', true, false, 2).Compte(), 1);
    EXPECT_EQ(Compteur({";", "3", "0,34", "10", "1"}, ',', true, false, 2).Compte(), 0);
    // 72 : 8 = 9 and 72 : 9 = 8.
    EXPECT_GT(Compteur({"72", "B", "C", "0"}, ',', true, false, 0).Compte(), 1);
}

TEST_F(VerificateurTest, EveryHoledExerciseHasExactlyOneCompletion) {
    TvlOperation& op = nouvelle();
    change(op, "InhibeCalculsAuto", "1");
    int exercices = 0;
    int avecTrous = 0;
    for (int lot = 0; exercices < 10000; ++lot) {
        const bool division = lot % 2 == 1;
        const bool isoles = lot % 5 != 4;
        const int positions = entre(1, 7);
        const int niveau = entre(0, 2);
        const bool longue = alea_() % 2 == 0;
        const bool posee = alea_() % 4 != 0;
        const int precision = entre(0, 3);
        for (TLigneOperandes& ligne : op.TableOperandes) {
            ligne.fill(-1.0);
            if (division) {
                ligne[0] = tire(entre(1, 4), alea_() % 4 == 0 ? 1 : 0);
                ligne[1] = tire(entre(1, 2), alea_() % 5 == 0 ? 1 : 0);
            } else {
                ligne[0] = tire(entre(1, 3) + (alea_() % 8 == 0 ? 1 : 0), alea_() % 6 == 0 ? 1 : 0);
                ligne[1] = tire(entre(1, 3), alea_() % 6 == 0 ? 1 : 0);
            }
        }
        change(op, "Operation", division ? "3" : "2");
        change(op, "PositionTrous", std::to_string(positions));
        change(op, "TrousIsoles", isoles ? "1" : "0");
        change(op, division ? "DifficulteDiv" : "DifficulteMult", std::to_string(niveau));
        change(op, "DivisionLongue", longue ? "1" : "0");
        change(op, "PrecisionDiv", std::to_string(precision));
        change(op, "OperationPosee", posee ? "1" : "0"); // regenerates
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
            ASSERT_EQ(sansTrous(lignes), ecrit) << a << (division ? " : " : " x ") << b;
            ++exercices;
            // Holes on both factors of a multiplication are not checked for uniqueness.
            if (!division && isoles && positions == 3)
                continue;
            verificateur::Compteur compteur(lignes, ',', division, formeLongue, precision);
            const long n = compteur.Compte();
            ASSERT_EQ(n, 1) << a << (division ? " : " : " x ") << b << " -> "
                            << ::testing::PrintToString(lignes) << " P=" << positions
                            << " isoles=" << isoles << " niveau=" << niveau;
            if (lignes != ecrit)
                ++avecTrous;
        }
    }
    EXPECT_GE(exercices, 10000);
    // Most exercises do carry holes.
    EXPECT_GT(avecTrous, exercices * 3 / 4);
}

} // namespace
