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
bool pleine(const std::string& ligne) {
    return std::all_of(ligne.begin(), ligne.end(), [](char c) { return c > '9'; });
}
int trous(const BlocLignes& bloc, int premiere = 0, int derniere = 99) {
    int n = 0;
    for (int j = premiere; j <= std::min(derniere, bloc.Nombre() - 1); ++j)
        n += trous(bloc.Texte(j));
    return n;
}

// Which lines hold holes, one bit a line.
int lignesTrouees(const BlocLignes& bloc) {
    int masque = 0;
    for (int j = 0; j < bloc.Nombre(); ++j)
        if (trous(bloc.Texte(j)) > 0)
            masque |= 1 << j;
    return masque;
}

// The lines of a multiplication (without separators) once holed with this seed.
BlocLignes mult(const Lignes& lignes, int positions, bool isoles, int niveau, unsigned graine) {
    BlocLignes bloc(lignes);
    const int decimales[2] = {0, 0};
    ThreadMult(nullptr, nullptr, ThreadMult::MULTIPLICATION, graine)
        .MultGenereTrous(positions, isoles, niveau, bloc, decimales);
    return bloc;
}
BlocLignes div(const Lignes& lignes, int positions, bool isoles, int niveau, unsigned graine,
               int precision = 2) {
    BlocLignes bloc(lignes);
    ThreadMult(nullptr, nullptr, ThreadMult::DIVISION, graine)
        .DivGenereTrous(positions, isoles, niveau, bloc, precision, false);
    return bloc;
}
Lignes division(double a, double b, int precision) {
    Lignes l;
    std::int16_t supprimes = 0;
    EcrireDivision(a, b, l, false, precision, supprimes);
    return l;
}

// The sets of holed lines met over seeds 1 to 60.
template <typename F> std::set<int> issues(F genere) {
    std::set<int> vues;
    for (unsigned graine = 1; graine <= 60; ++graine)
        vues.insert(lignesTrouees(genere(graine)));
    return vues;
}

class ThreadMultTest : public SeparateursFixture {
protected:
    ~ThreadMultTest() override { TvlOperation::MultChiffresMax = chiffresMax_; }

private:
    std::int32_t chiffresMax_ = TvlOperation::MultChiffresMax;
};

const Lignes k123x45{"123", "45", "615", "492", "5535"};
const Lignes k123x456{"123", "456", "738", "615", "492", "56088"};

TEST_F(ThreadMultTest, ZeroFactorsTakeOnlyTheirFewPossibleHoles) {
    // Lines holed (1 multiplicand, 2 multiplier, 4 product), for each position setting.
    struct Cas {
        Lignes lignes;
        bool isoles;
        std::array<std::set<int>, 8> attendu;
    };
    const std::vector<Cas> cas{
        // A = 0: c2 (multiplicand), c1 (product), c3 (both) when the multiplier has 2 digits.
        {{"0", "45", "0"}, true, {{{0}, {1}, {0}, {1}, {4}, {4, 1, 5}, {4}, {4, 1, 5}}}},
        {{"0", "7", "0"}, true, {{{0}, {1}, {0}, {1}, {4}, {4, 1, 5}, {4}, {4, 1}}}},
        {{"0", "45", "0"}, false, {{{0}, {1}, {0}, {1}, {4}, {4, 1}, {4}, {4, 1}}}},
        // B = 0: c4 (multiplier), c1, c5 (both) when the multiplicand has 2 digits.
        {{"37", "0", "0"}, true, {{{0}, {0}, {2}, {2}, {4}, {4}, {4, 2, 6}, {4, 2, 6}}}},
        {{"3", "0", "0"}, true, {{{0}, {0}, {2}, {2}, {4}, {4}, {4, 2, 6}, {4, 2}}}},
        // Both 0: the product, when it may hold holes.
        {{"0", "0", "0"}, true, {{{0}, {0}, {0}, {0}, {4}, {4}, {4}, {4}}}}};
    for (const Cas& c : cas)
        for (int p = 0; p < 8; ++p)
            EXPECT_EQ(issues([&](unsigned g) { return mult(c.lignes, p, c.isoles, 1, g); }),
                      c.attendu[std::size_t(p)])
                << c.lignes[0] << " x " << c.lignes[1] << " P=" << p << " isoles=" << c.isoles;
    // Only the first digit is ever hidden: the product 0 with holes on the product.
    EXPECT_EQ(mult({"0", "45", "0"}, 4, true, 1, 3).Texte(2), ":");
}

TEST_F(ThreadMultTest, WholeLinesHideOneNumberOrAllTheProductLines) {
    const std::array<std::set<int>, 8> attendu{
        {{0}, {1}, {2}, {1, 2}, {28}, {1, 28}, {2, 28}, {1, 2, 28}}};
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(issues([&](unsigned g) { return mult(k123x45, p, false, 1, g); }),
                  attendu[std::size_t(p)])
            << "P=" << p;
    const BlocLignes bloc = mult(k123x45, 4, false, 1, 1);
    for (int j = 2; j < 5; ++j)
        EXPECT_TRUE(pleine(bloc.Texte(j)));
}

TEST_F(ThreadMultTest, IsolatedHolesOnBothFactorsAlternateAndFollowTheDifficulty) {
    // Three marks alternate between the factors; 67 % or 34 % of them are cleared.
    for (const auto& [niveau, n] : std::vector<std::pair<int, int>>{{0, 1}, {1, 2}, {2, 3}}) {
        for (unsigned graine = 1; graine < 20; ++graine) {
            const BlocLignes b = mult(k123x456, 3, true, niveau, graine);
            ASSERT_EQ(trous(b, 0, 1), n) << niveau;
            EXPECT_EQ(lignesTrouees(b) & ~3, 0);
            // Never twice the same column.
            for (int i = 0; i < 3; ++i)
                EXPECT_FALSE(b.Ligne(0)[i] > '9' && b.Ligne(1)[i] > '9');
        }
    }
    // A factor and the products: that factor whole; hard hides more.
    for (int p = 5; p <= 6; ++p)
        for (unsigned graine = 1; graine < 6; ++graine) {
            const BlocLignes b = mult(k123x456, p, true, 1, graine);
            EXPECT_TRUE(pleine(b.Texte(p - 5))) << p;
            EXPECT_EQ(trous(b.Texte(6 - p)), 0) << p;
        }
    int facile = 0, difficile = 0;
    for (unsigned graine = 1; graine < 10; ++graine) {
        facile += trous(mult(k123x456, 7, true, 0, graine));
        difficile += trous(mult(k123x456, 7, true, 2, graine));
    }
    EXPECT_GT(difficile, facile);
}

TEST_F(ThreadMultTest, LongFactorsAreNotBothHoled) {
    // 4 + 3 digits: beyond MultChiffresMax the longer factor keeps its digits.
    const Lignes l{"1234", "567", "8638", "7404", "6170", "699678"};
    TvlOperation::MultChiffresMax = 6;
    for (unsigned graine = 1; graine < 20; ++graine) {
        const BlocLignes b = mult(l, 7, true, 1, graine);
        EXPECT_EQ(trous(b.Texte(0)), 0);
        EXPECT_TRUE(pleine(b.Texte(1)));
    }
    const BlocLignes b = mult({"123", "4567", "861", "738", "615", "492", "561741"}, 7, true, 1, 2);
    EXPECT_TRUE(pleine(b.Texte(0)));
    EXPECT_EQ(trous(b.Texte(1)), 0);
    // Within the limit both factors may take holes.
    TvlOperation::MultChiffresMax = 7;
    int surMultiplicande = 0;
    for (unsigned graine = 1; graine < 20; ++graine)
        surMultiplicande += trous(mult(l, 7, true, 1, graine).Texte(0));
    EXPECT_GT(surMultiplicande, 0);
    // Division operands beyond six digits are not both holed, whatever that limit.
    TvlOperation::MultChiffresMax = 20;
    int surDividende = 0;
    for (unsigned graine = 1; graine < 15; ++graine) {
        EXPECT_EQ(trous(div(division(1234, 567, 2), 7, true, 1, graine).Texte(0)), 0);
        surDividende += trous(div(division(1234, 56, 2), 7, true, 2, graine).Texte(0));
    }
    EXPECT_GT(surDividende, 0);
}

TEST_F(ThreadMultTest, ZeroDivisorQuotientOrDividendLimitTheHoles) {
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(lignesTrouees(div({"7", "0", "0"}, p, true, 1, 1)), 0) << p;
        // A quotient of 0: holes on the results only, when they may take some.
        const int q = lignesTrouees(div(division(2, 7, 0), p, true, 1, 1, 0));
        EXPECT_EQ(q, (p & 4) != 0 ? 4 : 0) << p;
        // A dividend of 0: the quotient's first digit only.
        const BlocLignes z = div({"0", "7", "0"}, p, true, 1, 1);
        EXPECT_EQ(z.Texte(2), (p & 4) != 0 ? ":" : "0") << p;
        EXPECT_EQ(lignesTrouees(z) & 3, 0);
    }
}

TEST_F(ThreadMultTest, WholeDivisionLinesAreKeptOnlyWhenTheExerciseStaysUnique) {
    const Lignes l = division(1234, 56, 2);
    const BlocLignes un = div(l, 1, false, 1, 1);
    EXPECT_TRUE(pleine(un.Texte(0)));
    EXPECT_EQ(lignesTrouees(un), 1);
    // Results hidden too: the dividend or all the results.
    const int resultats = (1 << l.size()) - 4;
    EXPECT_EQ(issues([&](unsigned g) { return div(l, 5, false, 1, g); }),
              (std::set<int>{1, resultats}));
    // A divisor that cannot be found back stays: without its line, 72 : 8 = 9 is not right.
    EXPECT_EQ(lignesTrouees(div({"72", "8", "9"}, 2, false, 1, 1)), 0);
    EXPECT_EQ(lignesTrouees(div({"72", "8", "9", "0"}, 2, false, 1, 1)), 2);
}

TEST_F(ThreadMultTest, OneSeedGivesOneSheet) {
    OperOptions options{};
    options.PositionTrous[OP_MULTIPLICATION] = 7;
    options.TrousIsoles = true;
    options.DifficulteMult = 2;
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
