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

} // namespace

TEST(Random, SeedOneGivesTheClassicSequence) {
    TRandom generator(1);
    EXPECT_EQ(draws(generator, 6), (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724}));
}

TEST(Random, SameSeedSameSequenceAndReseedRestarts) {
    TRandom a(12345);
    TRandom b(12345);
    const std::vector<int> first = draws(a, 100);
    EXPECT_EQ(first, draws(b, 100));
    a.Seed(12345);
    EXPECT_EQ(first, draws(a, 100));
    TRandom other(12346);
    EXPECT_NE(first, draws(other, 100));
}

TEST(Random, ValuesStayInRange) {
    TRandom generator(7);
    bool sawHigh = false;
    for (int i = 0; i < 20000; ++i) {
        const int v = generator.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, RAND_MAX_VL);
        sawHigh = sawHigh || v > RAND_MAX_VL / 2;
        const int below = generator.Below(6);
        ASSERT_GE(below, 0);
        ASSERT_LT(below, 6);
        const double d = generator.NextDouble();
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
    }
    EXPECT_TRUE(sawHigh);
    EXPECT_EQ(generator.Below(0), 0);
    EXPECT_EQ(generator.Below(-5), 0);
}

TEST(GlobalRandom, SeedRandomReproducesDraws) {
    SeedRandom(1);
    EXPECT_EQ(Random(), 41);
    EXPECT_EQ(GlobalRandom().Next(), 18467);
    EXPECT_EQ(Random(), 6334);
}

TEST(GlobalRandom, RandomizeFromClockReturnsTheSeedItUsed) {
    const std::uint32_t seed = RandomizeFromClock();
    std::vector<int> first;
    for (int i = 0; i < 20; ++i)
        first.push_back(Random());
    SeedRandom(seed);
    std::vector<int> again;
    for (int i = 0; i < 20; ++i)
        again.push_back(Random());
    EXPECT_EQ(first, again);
}

// Draws from two threads at once each advance the shared state by exactly one step: together
// they are the first values of the sequence, in some interleaving.
TEST(GlobalRandom, ConcurrentDrawsLoseNoStep) {
    constexpr int perThread = 200000;
    SeedRandom(99);
    std::atomic<int> ready{0};
    const auto drawInto = [&](std::vector<int>& values) {
        values.reserve(perThread);
        ++ready;
        while (ready < 2) {
        }
        for (int i = 0; i < perThread; ++i)
            values.push_back(Random());
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
