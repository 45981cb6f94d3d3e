#include "platform/InkCheck.h"
#include "platform/Random.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

TEST(InkCheckTest, CoveringNeedsMoreThanATenthEachWay) {
    const vlRect coin{0, 0, 100, 100};
    const struct {
        vlRect other;
        bool covers;
    } rows[] = {
        {{100, 0, 200, 100}, false}, // touching edges
        {{90, 90, 190, 190}, false}, // a tenth each way
        {{89, 89, 189, 189}, true},  // just over it
        {{95, 0, 195, 100}, false},  // the width shared is too thin
        {{40, 40, 60, 60}, true},    // inside
        {{0, 84, 100, 184}, true},   // a row squeezed over the one above
        {{300, 300, 400, 400}, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SeCouvrent(coin, row.other), row.covers) << row.other.left;
        EXPECT_EQ(SeCouvrent(row.other, coin), row.covers) << row.other.left;
    }
    EXPECT_FALSE(Empietent({0, 0, 100, 100}, {90, 0, 200, 100}));
    EXPECT_TRUE(Empietent({0, 0, 100, 100}, {89, 89, 200, 200}));
    EXPECT_FALSE(SortDuCadre({0, 0, 100, 100}, {0, 0, 100, 100}));
    EXPECT_FALSE(SortDuCadre({-5, 0, 105, 100}, {0, 0, 100, 100}));
    EXPECT_TRUE(SortDuCadre({0, 0, 100, 106}, {0, 0, 100, 100}));
    EXPECT_TRUE(SortDuCadre({0, -6, 100, 100}, {0, 0, 100, 100}));
}

// The sweep finds the pairs that comparing every pair finds.
TEST(InkCheckTest, SweepFindsEveryPair) {
    SeedRandom(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<vlRect> boxes;
        for (int i = 0; i < 150; ++i) {
            const int x = Random() % 2000;
            const int y = Random() % 2000;
            boxes.push_back({x, y, x + 1 + Random() % 300, y + 1 + Random() % 300});
        }
        std::vector<std::pair<std::size_t, std::size_t>> expected;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                if (SeCouvrent(boxes[i], boxes[j]))
                    expected.emplace_back(i, j);
        ASSERT_EQ(Recouvrements(boxes), expected) << round;
    }
}

TEST(InkCheckTest, TheRecordingCanvasKeepsTagsAndCanSkipCalls) {
    TRecordingCanvas canvas;
    canvas.recordCalls = false;
    canvas.Rectangle(0, 0, 10, 10);
    canvas.TagReadable({10, 10, 0, 0}, "pièce");
    EXPECT_TRUE(canvas.calls.empty());
    ASSERT_EQ(canvas.tags.size(), 1u);
    EXPECT_EQ(canvas.tags[0].box, (vlRect{0, 0, 10, 10}));
    EXPECT_EQ(canvas.tags[0].what, "pièce");
}

} // namespace
