// The stored lists of sentences, read entry by entry and written back.
#include "core/learning/sentence_set.h"

#include <gtest/gtest.h>

namespace {

TEST(SentenceSet, keepsWhatIsReadableEntryByEntryAndReadsBackAlike) {
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

} // namespace
