#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace {

std::vector<int> draws(TRandom& generator, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(generator.Next());
    return values;
}

std::vector<int> globalDraws(int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(Random());
    return values;
}

const std::vector<int> classic{41, 18467, 6334, 26500, 19169, 15724};

} // namespace

TEST(Random, SeedGivesTheClassicSequenceAndReseedRestartsIt) {
    TRandom generator(1);
    EXPECT_EQ(draws(generator, 6), classic);
    generator.Seed(1);
    EXPECT_EQ(draws(generator, 6), classic);
    TRandom other(2);
    EXPECT_NE(draws(other, 6), classic);

    SeedRandom(1); // the shared generator follows the same sequence
    EXPECT_EQ(Random(), 41);
    EXPECT_EQ(GlobalRandom().Next(), 18467);
    EXPECT_EQ(Random(), 6334);
}

TEST(Random, ValuesStayInRange) {
    TRandom generator(7);
    bool sawHigh = false;
    for (int i = 0; i < 20000; ++i) {
        const int v = generator.Next();
        ASSERT_TRUE(v >= 0 && v <= RAND_MAX_VL) << v;
        sawHigh = sawHigh || v > RAND_MAX_VL / 2;
        const int below = generator.Below(6);
        ASSERT_TRUE(below >= 0 && below < 6) << below;
        const double d = generator.NextDouble();
        ASSERT_TRUE(d >= 0.0 && d < 1.0) << d;
    }
    EXPECT_TRUE(sawHigh);
    EXPECT_EQ(generator.Below(0), 0);
    EXPECT_EQ(generator.Below(-5), 0);
}

TEST(GlobalRandom, RandomizeFromClockReturnsTheSeedItUsed) {
    const std::uint32_t seed = RandomizeFromClock();
    const std::vector<int> first = globalDraws(20);
    SeedRandom(seed);
    EXPECT_EQ(globalDraws(20), first);
}

// Draws from two threads at once each advance the shared state by exactly one step: together
// they are the first values of the sequence, in some interleaving.
TEST(GlobalRandom, ConcurrentDrawsLoseNoStep) {
    constexpr int perThread = 200000;
    SeedRandom(99);
    std::atomic<int> ready{0};
    const auto drawInto = [&](std::vector<int>& values) {
        ++ready;
        while (ready < 2) {
        }
        values = globalDraws(perThread);
    };
    std::vector<int> fromA;
    std::vector<int> fromB;
    std::thread a(drawInto, std::ref(fromA));
    std::thread b(drawInto, std::ref(fromB));
    a.join();
    b.join();
    std::vector<int> all = fromA;
    all.insert(all.end(), fromB.begin(), fromB.end());
    TRandom reference(99);
    std::vector<int> expected = draws(reference, 2 * perThread);
    std::sort(all.begin(), all.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(all, expected);
}
