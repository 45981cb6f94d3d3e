// Additions and subtractions built from the operand table: numbers padded to the exercise's
// widths, the table's end, swapped subtractions, and where the drawn holes go.
#include "operation/GenerateurAdditions.h"

#include "OperationFixture.h"
#include "operation/Nombres.h"

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

TEST_F(GenerateurTest, WholeNumberHoleIsDrawnAmongTheCandidatesInOrder) {
    // Bit 4: the three middle operands of five are the candidates.
    SeedRandom(11);
    const ListeOperations liste =
        GenereAdditions(tableOperandes({{10, 21, 32, 43, 54}}), {4, false});
    TRandom replay(11);
    const std::size_t hidden = 1 + std::size_t(replay.Next() % 3);
    for (std::size_t j = 0; j <= 5; ++j)
        EXPECT_EQ(SiTrou(addition(liste, 0).Nombres[j]), j == hidden) << j;
}

TEST_F(GenerateurTest, SingleHolesTakeOneDigitPerColumnInADrawnCandidate) {
    // First operand and sum: "123" and "168", both with a digit in every column.
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        SeedRandom(seed);
        const ListeOperations liste = GenereAdditions(tableOperandes({{123, 45}}), {9, true});
        TRandom replay(seed);
        std::array<std::string, 2> expected{"123", "168"};
        for (int position = 0; position < 3; ++position) {
            std::string& target = expected[std::size_t(replay.Next() % 2)];
            target[std::size_t(2 - position)] = Trou(target[std::size_t(2 - position)]);
        }
        EXPECT_EQ(addition(liste, 0).Nombres,
                  (Nombres6{expected[0], " 45", expected[1], "", "", ""}))
            << seed;
    }
}

TEST_F(GenerateurTest, ACandidateWithoutTheDigitPassesTheHoleOn) {
    // The last operand " 45" has no hundreds: that column always goes to the sum.
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SeedRandom(seed);
        const ListeOperations liste = GenereAdditions(tableOperandes({{123, 45}}), {10, true});
        const Addition& a = addition(liste, 0);
        EXPECT_EQ(a.Nombres[2][0], Trou('1')) << seed;
        // One hole per column in all.
        const std::string tous = a.Nombres[1] + a.Nombres[2];
        EXPECT_EQ(std::count_if(tous.begin(), tous.end(), [](char c) { return c > '9'; }), 3)
            << seed;
    }
    // "2" padded on the right never takes single holes: they all go to "1,25".
    const ListeOperations liste = GenereAdditions(tableOperandes({{1.25, 2}}), {3, true});
    EXPECT_EQ(addition(liste, 0).Nombres[0], ";,<?");
    EXPECT_EQ(addition(liste, 0).Nombres[1], "2   ");
}

} // namespace
