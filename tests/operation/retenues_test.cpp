// Drawn exercises with and without carries, and the settings that cannot give them.
#include "OperationFixture.h"
#include "operation/OperandesFeuille.h"
#include "operation/Retenues.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace {

long long sommeChiffres(long long n) {
    long long s = 0;
    for (; n > 0; n /= 10)
        s += n % 10;
    return s;
}

// How many of the component's exercises carry, counted without posing them: each ten carried
// (digit products and partial products too) takes nine from the digit sums.
int avecRetenues(const TvlOperation& op, int type, int decimales = 0) {
    int avec = 0;
    for (const TLigneOperandes& ligne : op.TableOperandes) {
        std::vector<long long> n;
        for (std::size_t j = 0; j < (type == OP_ADDITION ? 5u : 2u) && ligne[j] >= 0; ++j)
            n.push_back(std::llround(ligne[j] * std::pow(10, decimales)));
        long long perte = -sommeChiffres(std::accumulate(n.begin(), n.end(), 0LL));
        for (const long long x : n)
            perte += sommeChiffres(x);
        if (type == OP_SOUSTRACTION)
            perte = sommeChiffres(n[1]) + sommeChiffres(n[0] - n[1]) - sommeChiffres(n[0]);
        if (type == OP_MULTIPLICATION)
            perte = sommeChiffres(n[0]) * sommeChiffres(n[1]) - sommeChiffres(n[0] * n[1]);
        avec += perte > 0 ? 1 : 0;
    }
    return avec;
}

using RetenuesTest = OperationFixture;

// Drawn under Retenues, by the key after a draw or by a change of kind, from wide and narrow
// settings: the carries asked, within the settings. A division keeps its own.
TEST_F(RetenuesTest, DrawnExercisesHaveTheCarriesAsked) {
    const std::vector<std::tuple<std::string, double, double, int, int>> tirages{
        {"1;100;0;0;0;0", 1, 100, 5, 0},
        {"10;1000;0;0;0;0", 10, 1000, 2, 0},
        {"100;10000;0;0;1;0", 100, 10000, 3, 1},
        {"12;35;0;0;0;0", 12, 35, 2, 0}};
    TvlOperation& op = nouvelle();
    change(op, "InhibeCalculsAuto=1");
    std::string message;
    for (const int type : {OP_ADDITION, OP_SOUSTRACTION, OP_MULTIPLICATION}) {
        for (const int retenues : {SANS_RETENUE, AVEC_RETENUE}) {
            const std::string cle = "Retenues=" + std::to_string(retenues);
            const int attendu = retenues == AVEC_RETENUE ? 24 : 0;
            change(op, cle + ";Operation=" + std::to_string(type));
            ASSERT_EQ(avecRetenues(op, type), attendu);
            for (int tour = 0; tour * 24 < 1000; ++tour) {
                const auto& [tirage, min, max, lignes, decimales] = tirages[std::size_t(tour) % 4];
                change(op, tour % 2 == 1 ? "Retenues=0" : cle);
                ASSERT_TRUE(AppliqueCleFeuilleOperation(
                    op, "Tirage",
                    tirage + (type == OP_ADDITION ? ";" + std::to_string(lignes) : ""), message))
                    << message;
                if (tour % 2 == 1)
                    change(op, cle);
                ASSERT_EQ(avecRetenues(op, type, decimales), attendu) << tirage;
                for (const TLigneOperandes& ligne : op.TableOperandes) {
                    const auto fin =
                        std::find_if(ligne.begin(), ligne.end(), [](double v) { return v < 0; });
                    ASSERT_EQ(fin - ligne.begin(), type == OP_ADDITION ? lignes : 2);
                    ASSERT_TRUE(std::all_of(ligne.begin(), fin,
                                            [&](double v) { return v >= min && v < max; }));
                }
            }
        }
    }
    change(op, "Operation=3");
    const TTableOperandes divisions = op.TableOperandes;
    change(op, "Retenues=1");
    EXPECT_EQ(op.TableOperandes, divisions);
}

// Settings that cannot give them refuse a draw under Retenues, naming them, and the key, which
// keeps its old value; the operands stay. Those that give them only rarely still do.
TEST_F(RetenuesTest, ImpossibleSettingsAreRefusedNamingThem) {
    // Kind, retenues, draw, what the refusal says (empty: the draw succeeds).
    using Cas = std::tuple<int, int, const char*, const char*>;
    for (const auto& [type, retenues, tirage, attendu] : std::vector<Cas>{
             {OP_MULTIPLICATION, 1, "56;60;0;0;0;0",
              "Retenues = 1\u00A0: aucune multiplication sans retenue n'est possible avec des "
              "nombres "
              "de 56 à 60\u00A0; changez les réglages du tirage ou les retenues"},
             {OP_ADDITION, 2, "1;5;0;0;0;0;2", "aucune addition avec retenue"},
             {OP_ADDITION, 1, "50;90;0;0;0;0;2", "aucune addition sans retenue"},
             {OP_SOUSTRACTION, 2, "21;30;0;0;0;0", "aucune soustraction avec retenue"},
             {OP_SOUSTRACTION, 2, "21;31;0;0;0;0", ""},
             {OP_ADDITION, 1, "50;90;5;0;0;0;2",
              "aucune addition sans retenue en 100 tirages de nombres de 50 à 90, multiples de 5"},
         }) {
        SCOPED_TRACE(tirage);
        TvlOperation& op = nouvelle();
        const std::string valeur = std::to_string(retenues);
        change(op, "Operation=" + std::to_string(type) + ";NombreOperations=6;Retenues=" + valeur);
        const TTableOperandes avant = op.TableOperandes;
        std::string message;
        const bool pris = AppliqueCleFeuilleOperation(op, "Tirage", tirage, message);
        EXPECT_EQ(pris, *attendu == 0) << message;
        EXPECT_NE(message.find(attendu), std::string::npos) << message;
        EXPECT_TRUE(pris || op.TableOperandes == avant);
        change(op, "Retenues=0");
        ASSERT_TRUE(AppliqueCleFeuilleOperation(op, "Tirage", tirage, message));
        EXPECT_EQ(op.ChangeOption(valeur, "Retenues", message), pris);
        EXPECT_EQ(op.Reglages().Retenues, pris ? retenues : 0);
    }
}

} // namespace
