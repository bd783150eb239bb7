#include "app/module1.h"
#include "fakes/fake_settings_store.h"
#include "learning/learning_modes.h"

#include <gtest/gtest.h>

namespace {

TEST(LearningStore, listsKeepWhatIsReadableEntryByEntryAndReadBackAlike) {
    const struct {
        const char* what;
        QString stored, kept;
    } cases[] = {
        {"ranges, duplicates, disorder", "10301,10135,10101-10135,10301", "10101-10135,10301"},
        {"a range across topics", "10134-10202", "10134-10135,10201-10202"},
        {"junk", "abc,,10102x, 10103 ,-5,10104-,10106-10105,+10107,1-2-3,1e4", "10103"},
        {"outside topics 1-21", "10100,10136,13001,12201,9999,0,20101", ""},
        {"huge numbers", "99999999999999999999,10101-99999999999,10105", "10105"},
        {"a huge value", QString(1 << 20, 'x') + ",10105", "10105"},
    };
    for (const auto& c : cases) {
        const SentenceSet set = SentenceSet::fromText(c.stored);
        EXPECT_EQ(set.toText(), c.kept) << c.what;
        EXPECT_EQ(SentenceSet::fromText(set.toText()), set) << c.what;
    }
}

TEST(LearningStore, loadSkipsJunkAndSavesMarksAtOnceNewlySeenAtMostEvery30s) {
    Settings = SettingsRecord{};
    FakeSettingsStore store;
    qint64 now = 0;
    LearningModes modes(store, [&] { return now; });
    const auto learning = [&](const QString& key) -> QString& {
        return store.values["Vesk/Learning/" + key];
    };
    learning("listen_first") = "yes";
    learning("known") = "10101-10103,junk,10301,10301";
    modes.load();
    EXPECT_FALSE(modes.listenFirst()) << "only 1 switches it on";
    EXPECT_EQ(modes.knownCount(1), 3);
    EXPECT_EQ(modes.seenCount(3), 1) << "a known sentence counts as seen";
    EXPECT_TRUE(store.writes.isEmpty()) << "loading writes nothing";

    for (auto [at, id, seen] : {std::tuple{0, 12201, "10101"},
                                {10000, 10102, "10101"},
                                {30000, 10101, "10101-10102"},
                                {40000, 10104, "10101-10102"}}) {
        now = at;
        modes.selected(id);
        EXPECT_EQ(learning("seen"), seen) << at;
    }
    modes.markCurrentKnown();
    modes.setListenFirst(true);
    EXPECT_EQ(learning("known"), "10101-10104,10301");
    EXPECT_EQ(learning("seen"), "10101-10102,10104");
    EXPECT_EQ(learning("listen_first"), "1");
    EXPECT_FALSE(store.unsynced);
    for (const QString& path : store.values.keys())
        EXPECT_TRUE(path.startsWith("Vesk/Learning/")) << "[French] untouched";
}

} // namespace
