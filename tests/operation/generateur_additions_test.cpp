#include "operation/GenerateurAdditions.h"

#include "operation/Nombres.h"
#include "platform/Locale.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

// A table holding the given rows, every other cell negative.
TTableOperandes table(std::initializer_list<std::vector<double>> rows) {
    TTableOperandes t;
    for (TLigneOperandes& row : t)
        row.fill(-1.0);
    std::size_t i = 0;
    for (const std::vector<double>& row : rows) {
        for (std::size_t j = 0; j < row.size(); ++j)
            t[i][j] = row[j];
        ++i;
    }
    return t;
}

const Addition& addition(const ListeOperations& liste, std::size_t i) {
    return dynamic_cast<const Addition&>(*liste.at(i));
}
const Soustraction& soustraction(const ListeOperations& liste, std::size_t i) {
    return dynamic_cast<const Soustraction&>(*liste.at(i));
}

class GenerateurTest : public ::testing::Test {
protected:
    GenerateurTest() : decimal_(DecimalSeparator()) { SetDecimalSeparator(','); }
    ~GenerateurTest() override { SetDecimalSeparator(decimal_); }

private:
    char decimal_;
};

TEST_F(GenerateurTest, AdditionNumbersArePaddedToTheExerciseWidths) {
    const ListeOperations liste = GenereAdditions(table({{12, 7.5}}), {0, false});
    ASSERT_EQ(liste.size(), 1u);
    const Addition& a = addition(liste, 0);
    EXPECT_EQ(a.LargeurEntiere, 2);
    EXPECT_EQ(a.LargeurDecimale, 1);
    EXPECT_EQ(a.NbOperandes, 2);
    EXPECT_EQ(a.Nombres[0], "12  ");
    EXPECT_EQ(a.Nombres[1], " 7,5");
    EXPECT_EQ(a.Nombres[2], "19,5");
    EXPECT_EQ(a.Nombres[3], "");
}

TEST_F(GenerateurTest, SumsGetTheDecimalsOfTheirOperands) {
    const ListeOperations liste =
        GenereAdditions(table({{1.25, 2}, {1.5, 1.5}, {1, 2, 3, 4, 5}}), {0, false});
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(addition(liste, 0).Nombres[2], "3,25");
    EXPECT_EQ(addition(liste, 0).Nombres[1], "2   ");
    EXPECT_EQ(addition(liste, 1).Nombres[2], "3,0");
    EXPECT_EQ(addition(liste, 2).NbOperandes, 5);
    EXPECT_EQ(addition(liste, 2).Nombres[5], "15");
}

TEST_F(GenerateurTest, TheTableEndsAtARowWithANegativeFirstOrSecondCell) {
    EXPECT_TRUE(GenereAdditions(table({{5, -1, 3}}), {8, false}).empty());
    EXPECT_EQ(GenereAdditions(table({{5, 3}, {1, 1}, {-1, 4}, {2, 2}}), {0, false}).size(), 2u);
    TTableOperandes t = table({{3, -1}});
    EXPECT_TRUE(GenereSoustractions(t, {4, false}).empty());
}

TEST_F(GenerateurTest, SubtractionsSwapTheirOperandsInTheTable) {
    TTableOperandes t = table({{3, 5}, {1000, 999}, {10, 2.5}});
    const ListeOperations liste = GenereSoustractions(t, {0, false});
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(t[0][0], 5);
    EXPECT_EQ(t[0][1], 3);
    EXPECT_EQ(soustraction(liste, 0).Nombres, (std::array<std::string, 3>{"5", "3", "2"}));
    // The difference is written with all the columns.
    EXPECT_EQ(soustraction(liste, 1).Nombres, (std::array<std::string, 3>{"1000", " 999", "0001"}));
    EXPECT_EQ(soustraction(liste, 2).Nombres, (std::array<std::string, 3>{"10  ", " 2,5", "07,5"}));
}

TEST_F(GenerateurTest, WholeNumberHolesHideOnlyTheChosenNumber) {
    ListeOperations liste = GenereAdditions(table({{12, 7.5}}), {8, false});
    EXPECT_EQ(addition(liste, 0).Nombres[0], "12  ");
    EXPECT_EQ(addition(liste, 0).Nombres[1], " 7,5");
    EXPECT_EQ(addition(liste, 0).Nombres[2], ";C,?");

    liste = GenereAdditions(table({{12, 7.5}}), {0, true});
    EXPECT_FALSE(SiTrou(addition(liste, 0).Nombres[0]) || SiTrou(addition(liste, 0).Nombres[1]) ||
                 SiTrou(addition(liste, 0).Nombres[2]));
}

TEST_F(GenerateurTest, WholeNumberHoleIsDrawnAmongTheCandidatesInOrder) {
    // Bit 4: the three middle operands of five are the candidates.
    SeedRandom(11);
    const ListeOperations liste = GenereAdditions(table({{10, 21, 32, 43, 54}}), {4, false});
    TRandom replay(11);
    const std::size_t hidden = 1 + std::size_t(replay.Next() % 3);
    const Addition& a = addition(liste, 0);
    for (std::size_t j = 0; j <= 5; ++j)
        EXPECT_EQ(SiTrou(a.Nombres[j]), j == hidden) << j;
}

TEST_F(GenerateurTest, SingleHolesTakeOneDigitPerColumnInADrawnCandidate) {
    // First operand and sum: "123" and "168", both with a digit in every column.
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        SeedRandom(seed);
        const ListeOperations liste = GenereAdditions(table({{123, 45}}), {9, true});
        TRandom replay(seed);
        std::array<std::string, 2> expected{"123", "168"};
        for (int position = 0; position < 3; ++position) {
            std::string& target = expected[std::size_t(replay.Next() % 2)];
            target[std::size_t(2 - position)] = Trou(target[std::size_t(2 - position)]);
        }
        const Addition& a = addition(liste, 0);
        EXPECT_EQ(a.Nombres[0], expected[0]) << seed;
        EXPECT_EQ(a.Nombres[1], " 45") << seed;
        EXPECT_EQ(a.Nombres[2], expected[1]) << seed;
    }
}

TEST_F(GenerateurTest, ACandidateWithoutTheDigitPassesTheHoleOn) {
    // The last operand " 45" has no hundreds: that column always goes to the sum.
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SeedRandom(seed);
        const ListeOperations liste = GenereAdditions(table({{123, 45}}), {10, true});
        const Addition& a = addition(liste, 0);
        EXPECT_EQ(a.Nombres[2][0], Trou('1')) << seed;
        // One hole per column in all.
        int holes = 0;
        for (const std::string& n : {a.Nombres[1], a.Nombres[2]})
            for (const char c : n)
                holes += c > '9' ? 1 : 0;
        EXPECT_EQ(holes, 3) << seed;
    }
    // "2" padded on the right never takes single holes: they all go to "1,25".
    const ListeOperations liste = GenereAdditions(table({{1.25, 2}}), {3, true});
    EXPECT_EQ(addition(liste, 0).Nombres[0], ";,<?");
    EXPECT_EQ(addition(liste, 0).Nombres[1], "2   ");
}

TEST_F(GenerateurTest, SubtractionHoleBitsNameMinuendSubtrahendAndDifference) {
    TTableOperandes t = table({{1000, 999}});
    ListeOperations liste = GenereSoustractions(t, {4, false});
    EXPECT_EQ(soustraction(liste, 0).Nombres[2], ":::;");
    liste = GenereSoustractions(t, {2, false});
    EXPECT_EQ(soustraction(liste, 0).Nombres[1], " CCC");
    EXPECT_EQ(soustraction(liste, 0).Nombres[2], "0001");
}

} // namespace
