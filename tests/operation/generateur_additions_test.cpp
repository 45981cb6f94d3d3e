// Additions and subtractions built from the operand table: numbers padded to the exercise's
// widths, the table's end, swapped subtractions, and where the drawn holes go.
#include "operation/GenerateurAdditions.h"

#include "OperationFixture.h"
#include "operation/Nombres.h"

#include <set>

namespace {

using Nombres6 = std::array<std::string, 6>;
using Nombres3 = std::array<std::string, 3>;
using GenerateurTest = SeparateursFixture;

const Addition& addition(const ListeOperations& liste, std::size_t i) {
    return dynamic_cast<const Addition&>(*liste.at(i));
}
const Soustraction& soustraction(const ListeOperations& liste, std::size_t i) {
    return dynamic_cast<const Soustraction&>(*liste.at(i));
}

TEST_F(GenerateurTest, AdditionNumbersArePaddedToTheExerciseWidths) {
    const ListeOperations liste = GenereAdditions(
        tableOperandes({{12, 7.5}, {1.25, 2}, {1.5, 1.5}, {1, 2, 3, 4, 5}}), {0, false});
    ASSERT_EQ(liste.size(), 4u);
    const Addition& a = addition(liste, 0);
    EXPECT_EQ((std::array<int, 3>{a.LargeurEntiere, a.LargeurDecimale, a.NbOperandes}),
              (std::array<int, 3>{2, 1, 2}));
    EXPECT_EQ(a.Nombres, (Nombres6{"12  ", " 7,5", "19,5", "", "", ""}));
    // Sums take the decimals of their operands.
    EXPECT_EQ(addition(liste, 1).Nombres, (Nombres6{"1,25", "2   ", "3,25", "", "", ""}));
    EXPECT_EQ(addition(liste, 2).Nombres[2], "3,0");
    EXPECT_EQ(addition(liste, 3).NbOperandes, 5);
    EXPECT_EQ(addition(liste, 3).Nombres[5], "15");
}

TEST_F(GenerateurTest, TheTableEndsAtARowWithANegativeFirstOrSecondCell) {
    EXPECT_TRUE(GenereAdditions(tableOperandes({{5, -1, 3}}), {8, false}).empty());
    EXPECT_EQ(GenereAdditions(tableOperandes({{5, 3}, {1, 1}, {-1, 4}, {2, 2}}), {0, false}).size(),
              2u);
    TTableOperandes t = tableOperandes({{3, -1}});
    EXPECT_TRUE(GenereSoustractions(t, {4, false}).empty());
}

TEST_F(GenerateurTest, SubtractionsSwapTheirOperandsInTheTableAndWriteEveryColumn) {
    TTableOperandes t = tableOperandes({{3, 5}, {1000, 999}, {10, 2.5}});
    const ListeOperations liste = GenereSoustractions(t, {0, false});
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(t[0][0], 5);
    EXPECT_EQ(t[0][1], 3);
    EXPECT_EQ(soustraction(liste, 0).Nombres, (Nombres3{"5", "3", "2"}));
    EXPECT_EQ(soustraction(liste, 1).Nombres, (Nombres3{"1000", " 999", "0001"}));
    EXPECT_EQ(soustraction(liste, 2).Nombres, (Nombres3{"10  ", " 2,5", "07,5"}));
}

TEST_F(GenerateurTest, WholeNumberHolesHideOnlyTheChosenNumber) {
    // Bit 8: the sum; no bit, no hole.
    ListeOperations liste = GenereAdditions(tableOperandes({{12, 7.5}}), {8, false});
    EXPECT_EQ(addition(liste, 0).Nombres, (Nombres6{"12  ", " 7,5", ";C,?", "", "", ""}));
    liste = GenereAdditions(tableOperandes({{12, 7.5}}), {0, true});
    EXPECT_EQ(addition(liste, 0).Nombres, (Nombres6{"12  ", " 7,5", "19,5", "", "", ""}));
    // Subtractions: bit 4 the difference, 2 the subtrahend.
    TTableOperandes t = tableOperandes({{1000, 999}});
    EXPECT_EQ(soustraction(GenereSoustractions(t, {4, false}), 0).Nombres,
              (Nombres3{"1000", " 999", ":::;"}));
    EXPECT_EQ(soustraction(GenereSoustractions(t, {2, false}), 0).Nombres,
              (Nombres3{"1000", " CCC", "0001"}));
}

TEST_F(GenerateurTest, AWholeNumberHoleHidesOneCandidateDrawnAtRandom) {
    // Bit 4: the three middle operands of five are the candidates.
    std::set<std::size_t> caches;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        const ListeOperations liste =
            GenereAdditions(tableOperandes({{10, 21, 32, 43, 54}}), {4, false});
        const Addition& a = addition(liste, 0);
        std::vector<std::size_t> troues;
        for (std::size_t j = 0; j < a.Nombres.size(); ++j)
            if (SiTrou(a.Nombres[j]))
                troues.push_back(j);
        ASSERT_EQ(troues.size(), 1u) << seed;
        caches.insert(troues[0]);
    }
    EXPECT_EQ(caches, (std::set<std::size_t>{1, 2, 3}));
}

TEST_F(GenerateurTest, SingleHolesTakeOneDigitPerColumnAmongTheCandidatesThatHaveOne) {
    // Bits 9: the first operand and the sum, "123" and "168", both with a digit in every
    // column; bits 10: the last operand " 45", without hundreds, and the sum.
    for (const auto& [positions, candidats] :
         std::vector<std::pair<int, std::vector<std::size_t>>>{{9, {0, 2}}, {10, {1, 2}}}) {
        std::set<std::string> vus;
        for (std::uint32_t seed = 1; seed <= 12; ++seed) {
            SeedRandom(seed);
            const ListeOperations liste =
                GenereAdditions(tableOperandes({{123, 45}}), {positions, true});
            const Addition& a = addition(liste, 0);
            const Nombres6 clairs{"123", " 45", "168", "", "", ""};
            for (std::size_t colonne = 0; colonne < 3; ++colonne) {
                int trous = 0;
                for (std::size_t j = 0; j < 3; ++j) {
                    const char c = a.Nombres[j][colonne];
                    const bool candidat = std::count(candidats.begin(), candidats.end(), j) > 0;
                    EXPECT_TRUE(c == clairs[j][colonne] ||
                                (candidat && c == Trou(clairs[j][colonne])))
                        << positions << " " << seed;
                    trous += c > '9' ? 1 : 0;
                }
                EXPECT_EQ(trous, 1) << positions << " " << seed << " column " << colonne;
            }
            vus.insert(a.Nombres[candidats[0]]);
        }
        EXPECT_GT(vus.size(), 1u) << positions; // drawn, not fixed
    }
    // "2" padded on the right never takes single holes: they all go to "1,25".
    const ListeOperations liste = GenereAdditions(tableOperandes({{1.25, 2}}), {3, true});
    EXPECT_EQ(addition(liste, 0).Nombres[0], ";,<?");
    EXPECT_EQ(addition(liste, 0).Nombres[1], "2   ");
}

} // namespace
