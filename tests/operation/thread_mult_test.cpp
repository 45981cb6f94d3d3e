// Where the worker puts holes in multiplications and divisions, by position setting, kind of
// holes and difficulty; one seed gives one sheet. That every holed exercise keeps exactly one
// solution, with holes only on the lines its positions allow, is checked over random exercises
// elsewhere.
#include "operation/ThreadMult.h"

#include "OperationFixture.h"
#include "operation/EcritureMultDiv.h"
#include "operation/Nombres.h"

#include <set>

namespace {

using Lignes = std::vector<std::string>;

int trous(const std::string& ligne) {
    return int(std::count_if(ligne.begin(), ligne.end(), [](char c) { return c > '9'; }));
}

// Which lines hold holes, one bit a line.
int lignesTrouees(const BlocLignes& bloc) {
    int masque = 0;
    for (int j = 0; j < bloc.Nombre(); ++j)
        if (trous(bloc.Texte(j)) > 0)
            masque |= 1 << j;
    return masque;
}

// The lines of a multiplication (without separators) or a division once holed with this seed.
BlocLignes troue(const Lignes& lignes, bool division, int positions, bool isoles, int niveau,
                 unsigned graine, int precision = 2) {
    BlocLignes bloc(lignes);
    const int decimales[2] = {0, 0};
    ThreadMult worker(nullptr, nullptr,
                      division ? ThreadMult::DIVISION : ThreadMult::MULTIPLICATION, graine);
    if (division)
        worker.DivGenereTrous(positions, isoles, niveau, bloc, precision, false);
    else
        worker.MultGenereTrous(positions, isoles, niveau, bloc, decimales);
    return bloc;
}

Lignes division(double a, double b, int precision) {
    Lignes l;
    std::int16_t supprimes = 0;
    EcrireDivision(a, b, l, false, precision, supprimes);
    return l;
}

class ThreadMultTest : public SeparateursFixture {
protected:
    ~ThreadMultTest() override { TvlOperation::MultChiffresMax = chiffresMax_; }

private:
    std::int32_t chiffresMax_ = TvlOperation::MultChiffresMax;
};

const Lignes k123x45{"123", "45", "615", "492", "5535"};
const Lignes k123x456{"123", "456", "738", "615", "492", "56088"};
const Lignes k1234x567{"1234", "567", "8638", "7404", "6170", "699678"};
const Lignes k123x4567{"123", "4567", "861", "738", "615", "492", "561741"};

// Over seeds 1 to 40, line by line: '-' never holed, '#' always holed whole, '+' holed at least
// once, '.' either; and, when given, the sets of holed lines met.
TEST_F(ThreadMultTest, HolesStayOnTheLinesTheSettingsAllow) {
    struct Cas {
        Lignes lignes;
        bool division;
        int positions;
        bool isoles;
        int niveau;
        int chiffresMax; // beyond it, a multiplication's longer factor keeps its digits
        std::string attendu;
        std::set<int> masques;
        int operandes = -1; // holes on the two operands, when given
    };
    const Lignes courte = division(1234, 56, 2);
    const int resultats = (1 << courte.size()) - 4;
    const std::vector<Cas> cas{
        {k123x45, false, 1, false, 1, 20, "#----", {1}},
        {k123x45, false, 2, false, 1, 20, "-#---", {2}},
        {k123x45, false, 3, false, 1, 20, "++---", {1, 2}},
        {k123x45, false, 4, false, 1, 20, "--###", {28}},
        {k123x45, false, 7, false, 1, 20, "+++++", {1, 2, 28}},
        // Three marks alternate between the factors; 67 % or 34 % of them are cleared.
        {k123x456, false, 3, true, 0, 20, "++----", {}, 1},
        {k123x456, false, 3, true, 1, 20, "++----", {}, 2},
        {k123x456, false, 3, true, 2, 20, "++----", {}, 3},
        {k123x456, false, 5, true, 1, 20, "#-", {}},
        {k123x456, false, 6, true, 1, 20, "-#", {}},
        {k1234x567, false, 7, true, 1, 6, "-#", {}},
        {k123x4567, false, 7, true, 1, 6, "#-", {}},
        {k1234x567, false, 7, true, 1, 7, "+", {}},
        {division(1234, 567, 2), true, 7, true, 1, 20, "-", {}}, // six digits at most
        {division(12345.6, 89, 2), true, 3, true, 1, 20, "-+", {}},
        // A zero factor: _ x 9 = _ (or 1 x 9 = 9) and 4 x _ = _ (or 4 x 2 = 8) are refused.
        {{"0", "9", "0"}, false, 5, true, 1, 20, "", {1, 4}},
        {{"4", "0", "0"}, false, 6, true, 0, 20, "", {2, 4}},
        {courte, true, 7, true, 2, 20, "+", {}},
        {courte, true, 1, false, 1, 20, "#", {1}},
        {courte, true, 5, false, 1, 20, "+-", {1, resultats}},
        // Without its line, 72 : 8 = 9 could be 72 : 9 = 8; with a remainder it is found back.
        {{"72", "8", "9"}, true, 2, false, 1, 20, "---", {0}},
        {{"72", "8", "9", "0"}, true, 2, false, 1, 20, "-#--", {2}},
        // A divisor 0 takes no hole; a dividend 0 only the quotient's first digit.
        {{"7", "0", "0"}, true, 7, true, 1, 20, "---", {0}},
        {{"0", "7", "0"}, true, 7, true, 1, 20, "--#", {4}},
        {{"0", "7", "0"}, true, 3, true, 1, 20, "---", {0}},
    };
    for (std::size_t i = 0; i < cas.size(); ++i) {
        const Cas& c = cas[i];
        SCOPED_TRACE(::testing::Message() << "case " << i << " " << c.attendu);
        TvlOperation::MultChiffresMax = c.chiffresMax;
        std::set<int> masques;
        int vus = 0;
        for (unsigned graine = 1; graine <= 40; ++graine) {
            const BlocLignes b =
                troue(c.lignes, c.division, c.positions, c.isoles, c.niveau, graine);
            masques.insert(lignesTrouees(b));
            vus |= lignesTrouees(b);
            if (c.operandes >= 0) {
                EXPECT_EQ(trous(b.Texte(0)) + trous(b.Texte(1)), c.operandes);
                for (int i = 0; i < 3; ++i) // never twice the same column
                    EXPECT_FALSE(b.Ligne(0)[i] > '9' && b.Ligne(1)[i] > '9');
            }
            for (std::size_t j = 0; j < c.attendu.size(); ++j) {
                const std::string ligne = b.Texte(int(j));
                EXPECT_TRUE(c.attendu[j] != '-' || trous(ligne) == 0) << ligne;
                EXPECT_TRUE(c.attendu[j] != '#' || trous(ligne) == int(ligne.size())) << ligne;
            }
        }
        for (std::size_t j = 0; j < c.attendu.size(); ++j)
            EXPECT_TRUE(c.attendu[j] != '+' || (vus & 1 << j) != 0) << "line " << j;
        if (!c.masques.empty()) {
            EXPECT_EQ(masques, c.masques);
        }
    }
}

TEST_F(ThreadMultTest, OneSeedGivesOneSheet) {
    OperOptions options{};
    options.PositionTrous[OP_MULTIPLICATION] = 7;
    options.TrousIsoles = true;
    const auto sheet = [&](unsigned graine) {
        ListeOperations liste =
            GenereMultiplications(tableOperandes({{123, 45}, {407, 26}, {86, 305}}));
        ThreadMult worker(&liste, &options, ThreadMult::MULTIPLICATION, graine);
        worker.Start();
        worker.WaitFor();
        std::vector<Lignes> tout;
        for (const auto& record : liste)
            tout.push_back(dynamic_cast<const Multiplication&>(*record).Lignes);
        return tout;
    };
    EXPECT_EQ(sheet(17), sheet(17));
    EXPECT_NE(sheet(17), sheet(18));
}

} // namespace
