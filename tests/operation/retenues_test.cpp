// Drawn exercises with and without carries, checked by a count of carries done as a pupil
// does it, column by column on the written numbers; and the settings that cannot give them.
#include "OperationFixture.h"
#include "operation/OperandesFeuille.h"
#include "operation/Retenues.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Written additions of digit rows, units first: every column sending a ten on counts.
int retenuesAddition(const std::vector<std::vector<int>>& lignes) {
    int compte = 0;
    for (std::size_t i = 0, retenue = 0, fin = 1; i < fin || retenue > 0; ++i) {
        std::size_t s = retenue;
        for (const auto& l : lignes) {
            fin = std::max(fin, l.size());
            s += i < l.size() ? std::size_t(l[i]) : 0;
        }
        compte += s >= 10 ? 1 : 0;
        retenue = s / 10;
    }
    return compte;
}

// The carries of the posed operation, counted as a pupil does on the written numbers: digits
// lined up on the comma, units of the last decimal first.
int compteRetenues(int type, std::vector<std::string> nombres) {
    std::size_t decimales = 0;
    for (std::string& n : nombres) {
        n += n.find(',') == std::string::npos ? "," : "";
        decimales = std::max(decimales, n.size() - n.find(',') - 1);
    }
    std::vector<std::vector<int>> c;
    for (std::string n : nombres) {
        n.append(decimales - (n.size() - n.find(',') - 1), '0');
        std::erase(n, ',');
        c.emplace_back(n.rbegin(), n.rend());
        for (int& chiffre : c.back())
            chiffre -= '0';
    }
    c[1].resize(std::max(c[0].size(), c[1].size()));
    int compte = 0;
    if (type == OP_ADDITION)
        return retenuesAddition(c);
    if (type == OP_SOUSTRACTION) {
        for (std::size_t i = 0, emprunt = 0; i < c[0].size(); ++i, compte += int(emprunt))
            emprunt = std::size_t(c[0][i]) < std::size_t(c[1][i]) + emprunt ? 1 : 0;
        return compte;
    }
    // One partial product per multiplier digit, each with its own carries, then their sum.
    std::vector<std::vector<int>> partiels;
    for (std::size_t j = 0; j < c[1].size(); ++j) {
        std::vector<int>& ligne = partiels.emplace_back(j, 0);
        int retenue = 0;
        for (const int chiffre : c[0]) {
            const int p = chiffre * c[1][j] + retenue;
            compte += p >= 10 ? 1 : 0;
            ligne.push_back(p % 10);
            retenue = p / 10;
        }
        ligne.push_back(retenue);
    }
    return compte + retenuesAddition(partiels);
}

// How many of the component's exercises carry, counted on their operands as written.
int avecRetenues(const TvlOperation& op, int type) {
    int avec = 0;
    for (const TLigneOperandes& ligne : op.TableOperandes) {
        std::vector<std::string> v;
        for (std::size_t j = 0; j < (type == OP_ADDITION ? 5u : 2u) && ligne[j] >= 0; ++j)
            v.push_back(WriteNumber(ligne[j], 6));
        avec += compteRetenues(type, v) > 0 ? 1 : 0;
    }
    return avec;
}

using RetenuesTest = OperationFixture;

// Over every kind and retenues setting, exercises drawn from wide and narrow settings (some
// only the exact search can fill): each has the carries asked, within the settings.
TEST_F(RetenuesTest, DrawnExercisesHaveTheCarriesAsked) {
    const std::vector<std::tuple<double, double, int, int>> reglages{
        {1, 100, 0, 2}, {10, 1000, 0, 2}, {1, 100, 0, 5}, {100, 10000, 1, 3}, {12, 35, 0, 2}};
    TvlOperation& op = nouvelle();
    change(op, "InhibeCalculsAuto=1");
    for (const int type : {OP_ADDITION, OP_SOUSTRACTION, OP_MULTIPLICATION}) {
        for (const int retenues : {SANS_RETENUE, AVEC_RETENUE}) {
            change(op,
                   "Operation=" + std::to_string(type) + ";Retenues=" + std::to_string(retenues));
            for (int vus = 0, tour = 0; vus < 1000; ++tour) {
                const auto [min, max, decimales, lignes] = reglages[std::size_t(tour) % 5];
                const std::string tirage =
                    WriteNumber(min, 0) + ";" + WriteNumber(max, 0) + ";0;0;" +
                    std::to_string(decimales) + ";0" +
                    (type == OP_ADDITION ? ";" + std::to_string(lignes) : "");
                std::string message;
                ASSERT_TRUE(AppliqueCleFeuilleOperation(op, "Tirage", tirage, message)) << message;
                ASSERT_EQ(avecRetenues(op, type), retenues == AVEC_RETENUE ? 24 : 0) << tirage;
                for (const TLigneOperandes& ligne : op.TableOperandes) {
                    const auto fin =
                        std::find_if(ligne.begin(), ligne.end(), [](double v) { return v < 0; });
                    ASSERT_EQ(fin - ligne.begin(), type == OP_ADDITION ? lignes : 2);
                    ASSERT_TRUE(std::all_of(ligne.begin(), fin,
                                            [&](double v) { return v >= min && v < max; }));
                    ASSERT_TRUE(type != OP_SOUSTRACTION || ligne[0] >= ligne[1]);
                }
                vus += 24;
            }
        }
    }
}

// Settings that cannot give the exercises asked are refused, naming them; the component
// keeps its operands. Those that give them only rarely still do.
TEST_F(RetenuesTest, ImpossibleSettingsAreRefusedNamingThem) {
    // Kind, retenues, draw, what the refusal says (empty: the draw succeeds).
    using Cas = std::tuple<int, int, const char*, const char*>;
    for (const auto& [type, retenues, tirage, attendu] : std::vector<Cas>{
             {OP_MULTIPLICATION, 1, "56;60;0;0;0;0",
              "Retenues = 1 : aucune multiplication sans retenue n'est possible avec des nombres "
              "de 56 à 60 ; changez les réglages du tirage ou les retenues"},
             {OP_ADDITION, 2, "1;5;0;0;0;0;2", "aucune addition avec retenue"},
             {OP_ADDITION, 1, "50;90;0;0;0;0;2", "aucune addition sans retenue"},
             {OP_SOUSTRACTION, 2, "21;30;0;0;0;0", "aucune soustraction avec retenue"},
             {OP_SOUSTRACTION, 2, "21;31;0;0;0;0", ""},
             {OP_MULTIPLICATION, 2, "1;4;0;0;0;0", "de 1 à 4 ;"},
             {OP_ADDITION, 1, "50;90;5;0;0;0;2",
              "aucune addition sans retenue en 100 tirages de nombres de 50 à 90, multiples de 5"},
         }) {
        SCOPED_TRACE(tirage);
        TvlOperation& op = nouvelle();
        change(op, "Operation=" + std::to_string(type) +
                       ";NombreOperations=6;Retenues=" + std::to_string(retenues));
        const TTableOperandes avant = op.TableOperandes;
        std::string message;
        const bool pris = AppliqueCleFeuilleOperation(op, "Tirage", tirage, message);
        EXPECT_EQ(pris, *attendu == 0) << message;
        EXPECT_NE(message.find(attendu), std::string::npos) << message;
        EXPECT_TRUE(pris || op.TableOperandes == avant);
    }
}
// The key draws new operands from the settings kept, for a kind chosen later too; a division
// keeps its own; settings that cannot give them refuse the key, which keeps its old value.
TEST_F(RetenuesTest, TheKeyDrawsAgainWithinTheSettingsKept) {
    TvlOperation& op = nouvelle();
    std::string message;
    ASSERT_TRUE(AppliqueCleFeuilleOperation(op, "Tirage", "10;100;0;0;0;0;3", message));
    change(op, "Retenues=1");
    EXPECT_EQ(avecRetenues(op, OP_ADDITION), 0);
    EXPECT_LT(op.TableOperandes[0][3], 0); // three operands kept
    change(op, "Operation=2");
    EXPECT_EQ(avecRetenues(op, OP_MULTIPLICATION), 0);
    const TTableOperandes multiplications = op.TableOperandes;
    change(op, "Operation=3;Retenues=2");
    EXPECT_EQ(op.TableOperandes, multiplications);
    change(op, "Operation=1");
    EXPECT_EQ(avecRetenues(op, OP_SOUSTRACTION), 24);
    change(op, "Retenues=0;Operation=2");
    ASSERT_TRUE(AppliqueCleFeuilleOperation(op, "Tirage", "56;60;0;0;0;0", message));
    EXPECT_FALSE(op.ChangeOption("1", "Retenues", message));
    EXPECT_NE(message.find("de 56 à 60"), std::string::npos) << message;
    EXPECT_EQ(op.Reglages().Retenues, 0);
}

} // namespace
