// The learner's decks in their folder: the files read back as written and damage named, safe file
// names, re-import keeping marks, and a failed write or a damaged deck changing nothing.
#include "core/decks/deck_file.h"
#include "core/decks/deck_library.h"
#include "core/decks/deck_merge.h"
#include "core/decks/deck_names.h"
#include "core/decks/deck_reader.h"
#include "fakes/fake_deck_storage.h"

#include <gtest/gtest.h>

namespace {

DeckDraft draftOf(DeckSentences sentences) {
    DeckDraft draft;
    draft.sentences = std::move(sentences);
    return draft;
}

DeckInfo infoNamed(const QString& name) {
    DeckInfo info;
    info.name = name;
    info.source = QStringLiteral("/home/learner/cafe.csv");
    return info;
}

const DeckSentences kCafe = {{"k1", "Un café, s'il vous plaît.", "A coffee, please."},
                             {"k2", "L'addition !", "The bill!"},
                             {"k3", "C'est délicieux.", "It's delicious."}};

TEST(DeckFile, sentencesAndMarksReadBackAsWritten) {
    const DeckSentences odd = {{"a\tb", "with\ttab", "line\nbreak"}};
    DeckSentences read;
    EXPECT_EQ(DeckFile::parseSentences(DeckFile::sentencesText(kCafe), read), QString());
    EXPECT_EQ(read, kCafe);
    ASSERT_EQ(DeckFile::parseSentences(DeckFile::sentencesText(odd), read), QString());
    EXPECT_EQ(read.front().sentence, "with tab");

    DeckInfo info = infoNamed("Café");
    info.updated = QDateTime(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC);
    DeckProgress progress{"k2", {"k1", "gone"}, {"k3"}};
    DeckInfo readInfo;
    DeckProgress readProgress;
    ASSERT_EQ(
        DeckFile::parseInfo(DeckFile::infoText(info, progress, kCafe), readInfo, readProgress),
        QString());
    EXPECT_EQ(readInfo.name, "Café");
    EXPECT_EQ(readInfo.updated, info.updated);
    EXPECT_EQ(readProgress.nextKey, "k2");
    EXPECT_EQ(readProgress.known, QSet<QString>{"k1"}) << "a mark of no sentence is dropped";
    EXPECT_EQ(readProgress.seen, QSet<QString>{"k3"});
}

TEST(DeckFile, damageIsNamedInAShortPhrase) {
    DeckSentences read;
    DeckInfo info;
    DeckProgress progress;
    EXPECT_EQ(DeckFile::parseSentences("sentence\ttranslation\tkey\na\tb\tk\nonly\ttwo\n", read),
              "line 3 has 2 fields, not 3");
    EXPECT_EQ(DeckFile::parseSentences("a\tb\tk\n", read), "no header line");
    EXPECT_EQ(DeckFile::parseInfo("language=fr\n", info, progress), "no name=");
    EXPECT_EQ(DeckFile::parseInfo("name=\xff\xfe\n", info, progress), "not UTF-8");
}

TEST(DeckNames, whatAFileNameCannotHoldIsReplaced) {
    EXPECT_EQ(DeckNames::safeFileBase("Films/Séries: 1"), "Films_Séries_ 1");
    EXPECT_EQ(DeckNames::safeFileBase("../up"), "_up");
    EXPECT_EQ(DeckNames::safeFileBase("tab\there"), "tab_here");
    EXPECT_EQ(DeckNames::safeFileBase(" .. "), "deck");
    EXPECT_EQ(DeckNames::safeFileBase("CON"), "_CON");
    EXPECT_EQ(DeckNames::safeFileBase("aux.txt"), "_aux.txt");
    EXPECT_EQ(DeckNames::safeFileBase(QString(80, 'x')).size(), DeckNames::kMaxBaseLength);
}

TEST(DeckNames, aBaseTakenInAnotherCaseGetsANumber) {
    EXPECT_EQ(DeckNames::freeFileBase("cafe", {"Cafe"}), "cafe (2)");
    EXPECT_EQ(DeckNames::freeFileBase("cafe", {"Cafe", "CAFE (2)"}), "cafe (3)");
}

TEST(DeckMerge, theNewFileDecidesTheOrderAndMarksFollowTheirKeys) {
    LoadedDeck deck;
    deck.sentences = kCafe;
    deck.progress = {"k2", {"k1", "k2"}, {"k2", "k3"}};
    const MergeCounts counts = mergeSentences(
        deck, {{"k4", "Bonjour.", "Hello."}, {"k3", "C'est bon.", "It's good."}, kCafe[0]});
    EXPECT_EQ(counts.added, 1);
    EXPECT_EQ(counts.updated, 1);
    EXPECT_EQ(counts.unchanged, 1);
    EXPECT_EQ(counts.removed, 1);
    EXPECT_EQ(deck.sentences.front().key, "k4");
    EXPECT_EQ(deck.progress.known, QSet<QString>{"k1"});
    EXPECT_EQ(deck.progress.seen, QSet<QString>{"k3"});
    EXPECT_EQ(deck.progress.nextKey, "k3") << "the walk moves on to the next sentence left";
}

TEST(DeckMerge, theWalkStaysOnItsSentenceOrStartsOverWhenNoneAfterIsLeft) {
    LoadedDeck deck;
    deck.sentences = kCafe;
    deck.progress.nextKey = "k2";
    mergeSentences(deck, {kCafe[1], kCafe[0]});
    EXPECT_EQ(deck.progress.nextKey, "k2");
    deck.progress.nextKey = "k1";
    mergeSentences(deck, {kCafe[1]});
    EXPECT_EQ(deck.progress.nextKey, QString());
}

TEST(DeckLibrary, importingAgainKeepsAKnownMarkAcrossALoad) {
    FakeDeckStorage storage;
    DeckLibrary library(storage);
    ASSERT_EQ(library.importDeck(infoNamed("Café"), draftOf(kCafe)).error, QString());
    ASSERT_TRUE(library.markKnown("café", "k3"));

    DeckLibrary again(storage);
    again.load();
    const auto outcome = again.importDeck(infoNamed("CAFÉ"), draftOf({kCafe[2], kCafe[0]}));
    EXPECT_EQ(outcome.counts.removed, 1);
    ASSERT_EQ(again.decks().size(), 1u);
    EXPECT_EQ(again.decks().front().info.name, "Café") << "the deck keeps its name";
    EXPECT_TRUE(again.decks().front().progress.known.contains("k3"));
    EXPECT_EQ(outcome.error, QString());
}

TEST(DeckLibrary, aDraftWithoutSentencesWritesNothing) {
    FakeDeckStorage storage;
    DeckLibrary library(storage);
    EXPECT_EQ(library.importDeck(infoNamed("Café"), DeckDraft()).error,
              "/home/learner/cafe.csv has no sentences to import");
    EXPECT_TRUE(storage.files.isEmpty());
}

TEST(DeckLibraryFailure, aFailedWriteChangesNothing) {
    FakeDeckStorage storage;
    DeckLibrary library(storage);
    library.importDeck(infoNamed("Café"), draftOf(kCafe));
    const auto before = storage.files;
    storage.writesFail = true;

    EXPECT_TRUE(library.importDeck(infoNamed("Café"), draftOf({kCafe[0]}))
                    .error.contains(storage.folder()));
    EXPECT_EQ(library.decks().front().sentences.size(), 3u);
    EXPECT_FALSE(library.rename("Café", "Bistro").isEmpty());
    EXPECT_EQ(library.decks().front().info.name, "Café");
    EXPECT_FALSE(library.addSentence("Verbs", "Je vais.", "I go.").error.isEmpty());
    EXPECT_EQ(library.decks().size(), 1u);
    EXPECT_EQ(storage.files, before);
}

TEST(DeckLibraryFailure, aNewDeckWhoseSecondFileFailsLeavesNoHalfDeck) {
    FakeDeckStorage storage;
    storage.failingSuffix = ".deck";
    DeckLibrary library(storage);
    EXPECT_FALSE(library.importDeck(infoNamed("Café"), draftOf(kCafe)).error.isEmpty());
    EXPECT_TRUE(library.decks().empty());
    EXPECT_TRUE(storage.files.isEmpty());
}

TEST(DeckLibrary, renameMovesTheFilesAndTrashesTheOldOnes) {
    FakeDeckStorage storage;
    DeckLibrary library(storage);
    library.importDeck(infoNamed("Café"), draftOf(kCafe));
    library.importDeck(infoNamed("Bistro"), draftOf(kCafe));
    EXPECT_FALSE(library.rename("Café", "bistro").isEmpty()) << "another deck's name";
    EXPECT_EQ(library.rename("Café", "Au café"), QString());
    EXPECT_EQ(storage.fileNames(),
              QStringList({"Au café.deck", "Au café.tsv", "Bistro.deck", "Bistro.tsv"}));
    EXPECT_EQ(library.rename("Bistro", "BISTRO"), QString()) << "a change of case only";
    EXPECT_EQ(library.decks().back().info.name, "BISTRO");
    EXPECT_EQ(library.remove("au CAFÉ"), QString());
    EXPECT_EQ(storage.fileNames(), QStringList({"Bistro.deck", "Bistro.tsv"}));
}

TEST(DeckLibrary, addedSentencesGoToMySentencesAndATwinIsRefused) {
    FakeDeckStorage storage;
    DeckLibrary library(storage);
    EXPECT_EQ(library.addSentence("", " Il pleut. ", "It's raining.").error, QString());
    ASSERT_NE(library.find(DeckLibrary::kDefaultDeckName), nullptr);
    EXPECT_EQ(library.find(DeckLibrary::kDefaultDeckName)->sentences.front().key, "Il pleut.");
    EXPECT_EQ(library.find(DeckLibrary::kDefaultDeckName)->info.language, "fr");
    EXPECT_FALSE(library.addSentence("", "Il pleut.", "It's raining.").error.isEmpty());
    EXPECT_EQ(library.addSentence("", "Il pleut.", "It rains.").counts.updated, 1);
}

TEST(DeckLibraryDamage, aDamagedDeckTakesNoMarksButAnImportReplacesIt) {
    FakeDeckStorage storage;
    storage.files["Café.tsv"] = "sentence\ttranslation\tkey\nbroken line\n";
    storage.files["Café.deck"] = "name=Café\n";
    storage.files["Lone.tsv"] = DeckFile::sentencesText(kCafe);
    const auto before = storage.files;
    DeckLibrary library(storage);
    library.load();
    ASSERT_EQ(library.decks().size(), 2u);
    EXPECT_EQ(library.decks().front().damage, "line 2 has 1 fields, not 3");
    EXPECT_EQ(library.decks().back().damage, "no Lone.deck beside it");
    EXPECT_FALSE(library.markKnown("Café", "k1"));
    library.forget("Café");
    EXPECT_EQ(library.saveProgress("Café"), QString());
    EXPECT_EQ(storage.files, before);

    EXPECT_EQ(library.importDeck(infoNamed("café"), draftOf(kCafe)).counts.added, 3);
    EXPECT_EQ(library.find("Café")->damage, QString());
    EXPECT_EQ(storage.files["Café.tsv"], DeckFile::sentencesText(kCafe));
}

} // namespace
