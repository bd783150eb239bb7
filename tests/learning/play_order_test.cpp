// Play order with the real selector and lesson table: the sequence walked backwards, wrapping
// as it does forwards, and random draws walked back through.
#include "app/module1.h"
#include "content/dialogue_table.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/scripted_random.h"
#include "learning/play_order.h"
#include "playback/sentence_selector.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class Order : public ::testing::Test {
protected:
    void SetUp() override { Settings = SettingsRecord{}; }

    // The French id whose texts are on the bar, checked against the table.
    int shownId() const {
        const int id = order.currentId();
        EXPECT_EQ(french, table.lookup(id).value_or("?")) << id;
        EXPECT_EQ(english, table.lookup(id + 10000).value_or("?")) << id;
        return id;
    }
    int next() {
        order.next(french, english);
        return shownId();
    }
    int previous() { return order.previous(french, english) ? shownId() : 0; }

    const DialogueTable& table = DialogueTable::builtIn();
    ScriptedRandom random;
    FakeMessageDialog messages;
    SentenceSelector selector{table, random, messages};
    PlayOrder order{selector, table};
    QString french, english;
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
    Settings.rd = 1;
    for (const auto& c : cases) {
        Settings.guage = c.topic;
        Settings.guagen = static_cast<int16_t>(c.lastShown + 1);
        EXPECT_EQ(previous(), c.previous) << c.lastShown;
        EXPECT_EQ(Settings.guagen, c.previous + 1) << "as a forward step would store it";
    }
    Settings.guage = 0;
    Settings.guagen = 12936; // the end of the walk, and back again
    EXPECT_EQ(std::vector<int>({next(), previous()}), std::vector<int>({10101, 12935}));
    EXPECT_EQ(order.currentTopicName(), table.topicName(8)) << "topic 29 repeats topic 8";
}

TEST_F(Order, randomGoesBackThroughTheDrawsAlreadyShown) {
    Settings.guage = 5;
    for (float r : {0.0f, 0.5f, 0.99f})
        random.values.push_back(r);
    EXPECT_EQ(std::vector<int>({next(), next(), next()}), std::vector<int>({10501, 10518, 10535}));
    EXPECT_EQ(std::vector<int>({previous(), previous(), previous()}),
              std::vector<int>({10518, 10501, 0}))
        << "nothing before the first";
    EXPECT_EQ(shownId(), 10501) << "the texts stay";
    random.values = {0.2f};
    next(); // a new draw forgets the ones stepped back over
    EXPECT_EQ(previous(), 10501);
    EXPECT_EQ(Settings.guagen, 0) << "random mode leaves the sequence position alone";

    for (int i = 0; i < 120; ++i)
        next();
    int steps = 0;
    while (previous())
        ++steps;
    EXPECT_GE(steps, 50);
    EXPECT_LT(steps, 120) << "bounded";
}

} // namespace
