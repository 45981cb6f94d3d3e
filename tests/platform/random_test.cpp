#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The classic sequence keeps the sheets of a given seed the same from one version to the next;
// the clock's seed is given back so that a sheet can be made again.
TEST(Random, SeedsGiveTheirSequenceWithinRange) {
    const std::vector<int> classic{41, 18467, 6334, 26500, 19169, 15724};
    TRandom generator(7);
    generator.Seed(1);
    EXPECT_EQ(draws([&] { return generator.Next(); }, 6), classic);
    SeedRandom(1);
    EXPECT_EQ(draws(Random, 6), classic);
    const std::uint32_t seed = RandomizeFromClock();
    const std::vector<int> first = draws(Random, 20);
    SeedRandom(seed);
    EXPECT_EQ(draws(Random, 20), first);
    for (int i = 0; i < 20000; ++i) {
        ASSERT_LT(unsigned(generator.Below(6)), 6u);
        const double d = generator.NextDouble();
        ASSERT_TRUE(d >= 0.0 && d < 1.0) << d;
    }
    EXPECT_EQ(generator.Below(0), 0);
    EXPECT_EQ(generator.Below(-5), 0);
}

// A scope takes the draws of its own thread only, and a nested one gives them back as it ends.
TEST(Random, AScopeTakesTheDrawsOfItsThreadAlone) {
    SeedRandom(1);
    TRandom own(9);
    std::vector<int> onThread;
    std::thread([&] {
        const TRandomScope scope(own);
        SeedRandom(1);
        onThread = draws(Random, 3);
        TRandom inner(1);
        {
            const TRandomScope nested(inner);
            Random();
        }
        onThread.push_back(Random());
    }).join();
    EXPECT_EQ(onThread, (std::vector<int>{41, 18467, 6334, 26500}));
    EXPECT_EQ(draws(Random, 2), (std::vector<int>{41, 18467}));
}
