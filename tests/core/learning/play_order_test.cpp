// Where the walk through the sentences goes backwards: over the sequence, and over the random
// draws already shown.
#include "core/learning/play_order.h"
#include "core/playback/playback_state.h"
#include "support/selector_fixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class Order : public SelectorFixture {
protected:
    int shownId() { // its texts checked
        french = onBar.french(), english = onBar.english();
        return shown(order.currentId());
    }
    int next() {
        order.next();
        return shownId();
    }
    int previous() { return order.previous() ? shownId() : 0; }

    PlaybackState onBar;
    PlayOrder order{selector, table, settings, onBar};
};

TEST_F(Order, sequenceStepsBackWrappingAsTheWalkDoesForwardsAndStoresThePositionAlike) {
    const struct {
        int16_t topic, lastShown, previous;
    } cases[] = {
        {3, 10302, 10301}, {3, 10301, 10335}, // back over the topic's start
        {3, 10735, 10335}, {0, 10201, 10135}, // from another topic; the walk's topic seam
        {0, 10101, 12935}, {0, 12301, 12235}, // the start of the walk; the repeated topics
        {0, 10000, 12935}, {1, 11000, 10135}, // positions outside the table or the topic
    };
    settings.inSequence = 1;
    for (const auto& c : cases) {
        settings.topic = c.topic;
        settings.sequencePosition = static_cast<int16_t>(c.lastShown + 1);
        EXPECT_EQ(previous(), c.previous) << c.lastShown;
        EXPECT_EQ(settings.sequencePosition, c.previous + 1) << "as a forward step would store it";
    }
    settings.topic = 0;
    settings.sequencePosition = 12936; // the end of the walk, and back again
    EXPECT_EQ(std::vector<int>({next(), previous()}), std::vector<int>({10101, 12935}));
    EXPECT_EQ(order.currentTopicName(), table.topicName(8)) << "topic 29 repeats topic 8";
}

TEST_F(Order, randomGoesBackThroughTheDrawsAlreadyShownAndForwardAgainBeforeDrawing) {
    settings.topic = 5;
    random.values = {0.0f, 0.5f, 0.99f};
    EXPECT_EQ(std::vector<int>({next(), next(), next()}), std::vector<int>({10501, 10518, 10535}));
    EXPECT_EQ(std::vector<int>({previous(), previous(), previous()}),
              std::vector<int>({10518, 10501, 0}))
        << "nothing before the first";
    EXPECT_EQ(shownId(), 10501) << "the texts stay";
    random.values = {0.2f};
    EXPECT_EQ(std::vector<int>({next(), next(), next()}), std::vector<int>({10518, 10535, 10508}))
        << "forwards through what was shown, then a new draw";
    EXPECT_EQ(previous(), 10535);
    EXPECT_EQ(settings.sequencePosition, 0) << "random mode leaves the sequence position alone";
}

TEST_F(Order, randomGoesBackNoFurtherThanTheHistoryHolds) {
    for (size_t i = 0; i < PlayHistory::kCapacity + 20; ++i)
        next();
    size_t steps = 0;
    while (previous())
        ++steps;
    EXPECT_EQ(steps, PlayHistory::kCapacity - 1) << "back from the newest to the oldest kept";
}

} // namespace
