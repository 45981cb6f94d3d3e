#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace {

std::vector<int> draws(const std::function<int()>& next, int count) {
    std::vector<int> values(count);
    std::generate(values.begin(), values.end(), next);
    return values;
}

} // namespace

// The classic sequence keeps the sheets of a given seed the same from one version to the next.
TEST(Random, SeedGivesTheClassicSequenceInRangeForEveryGenerator) {
    const std::vector<int> classic{41, 18467, 6334, 26500, 19169, 15724};
    TRandom generator(7);
    generator.Seed(1);
    EXPECT_EQ(draws([&] { return generator.Next(); }, 6), classic);
    SeedRandom(1);
    EXPECT_EQ(draws(Random, 6), classic);
    for (int i = 0; i < 20000; ++i) {
        const int below = generator.Below(6);
        ASSERT_TRUE(below >= 0 && below < 6) << below;
        const double d = generator.NextDouble();
        ASSERT_TRUE(d >= 0.0 && d < 1.0) << d;
    }
    EXPECT_EQ(generator.Below(0), 0);
    EXPECT_EQ(generator.Below(-5), 0);
}

TEST(GlobalRandom, RandomizeFromClockReturnsTheSeedItUsed) {
    const std::uint32_t seed = RandomizeFromClock();
    const std::vector<int> first = draws(Random, 20);
    SeedRandom(seed);
    EXPECT_EQ(draws(Random, 20), first);
}

// Draws from two threads at once each advance the shared state by exactly one step: together
// they are the first values of the sequence, in some interleaving.
TEST(GlobalRandom, ConcurrentDrawsLoseNoStep) {
    constexpr int perThread = 200000;
    SeedRandom(99);
    std::atomic<int> ready{0};
    std::vector<int> all[2];
    const auto drawInto = [&](std::vector<int>& values) {
        ++ready;
        while (ready < 2) {
        }
        values = draws(Random, perThread);
    };
    std::thread a(drawInto, std::ref(all[0]));
    std::thread b(drawInto, std::ref(all[1]));
    a.join();
    b.join();
    all[0].insert(all[0].end(), all[1].begin(), all[1].end());
    TRandom reference(99);
    std::vector<int> expected = draws([&] { return reference.Next(); }, 2 * perThread);
    std::sort(all[0].begin(), all[0].end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(all[0], expected);
}
