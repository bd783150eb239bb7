// Play order with the real selector and lesson table: the sequence walked backwards, wrapping
// as it does forwards, and random draws walked back through.
#include "app/module1.h"
#include "content/dialogue_table.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/scripted_random.h"
#include "learning/play_order.h"
#include "playback/sentence_selector.h"

#include <gtest/gtest.h>

namespace {

class Order : public ::testing::Test {
protected:
    void SetUp() override { Settings = SettingsRecord{}; }

    // The French id whose text is on the bar, checked against the table.
    int shownId() const {
        const int id = order.currentId();
        EXPECT_EQ(french, table.lookup(id).value_or("?")) << id;
        EXPECT_EQ(english, table.lookup(id + 10000).value_or("?")) << id;
        return id;
    }

    const DialogueTable& table = DialogueTable::builtIn();
    ScriptedRandom random;
    FakeMessageDialog messages;
    SentenceSelector selector{table, random, messages};
    PlayOrder order{selector, table};
    QString french, english;
};

TEST_F(Order, sequenceStepsBackWrappingAsTheWalkDoesForwards) {
    struct Case {
        int16_t topic, lastShown, previous;
    };
    const Case cases[] = {
        {3, 10302, 10301}, {3, 10301, 10335}, // back over the topic's start
        {3, 10735, 10335}, {0, 10201, 10135}, // from another topic; the walk's topic seam
        {0, 10101, 12935}, {0, 12301, 12235}, // the start of the walk; the repeated topics
        {0, 10000, 12935}, {1, 11000, 10135}, // positions outside the table or the topic
    };
    for (const Case& c : cases) {
        Settings.rd = 1;
        Settings.guage = c.topic;
        Settings.guagen = static_cast<int16_t>(c.lastShown + 1);
        ASSERT_EQ(order.previous(french, english), std::optional<bool>(true));
        EXPECT_EQ(shownId(), c.previous) << c.lastShown;
        EXPECT_EQ(Settings.guagen, c.previous + 1) << "stored as a forward step would store it";
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Order, sequenceBackAndForthReturnsToTheSameSentenceAtBothEndsOfTheWalk) {
    Settings.rd = 1;
    for (int16_t start : {int16_t(12935), int16_t(10101), int16_t(10335)}) {
        Settings.guage = start == 10335 ? 3 : 0;
        Settings.guagen = start;
        order.next(french, english);
        ASSERT_EQ(shownId(), start);
        order.next(french, english);
        const int after = shownId();
        order.previous(french, english);
        EXPECT_EQ(shownId(), start) << "back from " << after;
        order.next(french, english);
        EXPECT_EQ(shownId(), after);
    }
}

TEST_F(Order, randomGoesBackThroughTheDrawsAlreadyShown) {
    Settings.rd = 0;
    Settings.guage = 5;
    const auto draw = [this](float r) {
        random.values = {r};
        order.next(french, english);
        return shownId();
    };
    const int a = draw(0.0f), b = draw(0.5f), c = draw(0.99f);
    EXPECT_EQ(std::vector<int>({a, b, c}), std::vector<int>({10501, 10518, 10535}));

    EXPECT_EQ(order.previous(french, english), std::optional<bool>(false));
    EXPECT_EQ(shownId(), b);
    order.previous(french, english);
    EXPECT_EQ(shownId(), a);
    EXPECT_EQ(order.previous(french, english), std::nullopt) << "nothing before the first";
    EXPECT_EQ(shownId(), a) << "the texts stay";

    const int d = draw(0.2f); // a new draw forgets the ones stepped back over
    order.previous(french, english);
    EXPECT_EQ(shownId(), a) << "before " << d;
    EXPECT_EQ(Settings.guagen, 0) << "random mode leaves the sequence position alone";
}

TEST_F(Order, randomHistoryReachesBackFiftySentencesAtLeast) {
    Settings.rd = 0;
    Settings.guage = 0;
    for (int i = 0; i < 120; ++i) {
        random.values = {float(i % 35) / 35.0f};
        order.next(french, english);
    }
    int steps = 0;
    while (order.previous(french, english))
        ++steps;
    EXPECT_GE(steps, 50);
    EXPECT_LT(steps, 120) << "bounded";
}

TEST_F(Order, reportsTheTopicOfTheSentenceShown) {
    QStringList seen;
    QObject::connect(&order, &PlayOrder::sentenceChanged,
                     [&](const QString& topic, const QString&) { seen << topic; });
    Settings.rd = 1;
    Settings.guagen = 12235; // topic 22 repeats topic 1
    order.next(french, english);
    Settings.guage = 21;
    order.next(french, english);
    EXPECT_EQ(seen, QStringList({table.topicName(1), table.topicName(21)}));
}

} // namespace
