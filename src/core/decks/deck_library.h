// Every deck the learner has, as kept in the deck folder: one plain UTF-8 text file of
// sentences per deck (a spreadsheet opens it) and its name, language, source and the learner's
// marks in a second file beside it. Each write replaces a file whole; a deck whose files were
// damaged by hand is named, left out of play and never written until it is imported again or
// deleted.
#pragma once

#include "core/decks/deck.h"
#include "core/decks/deck_sentences.h"

#include <QFuture>
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class DeckStorage;
struct DeckDraft;

struct LoadedDeck {
    QString fileBase; // the files' common name in the folder, safe on every system
    DeckInfo info;
    DeckSentences sentences;
    DeckProgress progress;
    QString damage; // why its files could not be read; empty when it plays

    int indexOf(const QString& key) const; // -1 when no sentence has the key
};

class DeckLibrary : public QObject {
    Q_OBJECT
public:
    explicit DeckLibrary(DeckStorage& storage, QObject* parent = nullptr);
    ~DeckLibrary() override;

    static inline const QString kDefaultDeckName = QStringLiteral("My sentences");

    // Reads the folder again; each damaged deck is named once on standard error per damage.
    void load();
    // The same, the files read on another thread: a big deck does not hold up the start.
    // loaded() comes once they are in.
    void loadInBackground();
    bool loading() const;
    const std::vector<LoadedDeck>& decks() const { return m_decks; }
    // By name, ignoring case; null when there is none.
    const LoadedDeck* find(const QString& name) const;
    QString folder() const;

    struct Outcome {
        // Empty on success. Else nothing changed, unless only the second file failed: the deck
        // then has its new sentences, and the marks are matched by key on the next load.
        QString error;
        MergeCounts counts;
    };
    // Makes the deck, or updates the one of that name in place: sentences matched by key keep
    // their marks; the walk stays on the same sentence when it is still there.
    Outcome importDeck(const DeckInfo& info, const DeckDraft& draft);
    // One sentence added to a deck, made when it does not exist yet (language French).
    Outcome addSentence(const QString& deckName, const QString& sentence,
                        const QString& translation);
    // Empty on success, else why not.
    QString rename(const QString& name, const QString& newName);
    QString remove(const QString& name); // to the trash

    // The learner's marks; saved at once (seen: by saveProgress(), which the caller paces). A
    // damaged deck takes none. markKnown() is false when there is no such sentence or the mark
    // could not be saved (it is kept then, for the next save, and the reason told).
    bool markKnown(const QString& name, const QString& key);
    void markSeen(const QString& name, const QString& key);
    void forget(const QString& name); // every known mark of the deck
    void setNextKey(const QString& name, const QString& key);
    QString saveProgress(const QString& name);

signals:
    // Decks were added, removed, renamed or updated (not for marks).
    void decksChanged();
    // A loadInBackground() is done.
    void loaded();

private:
    struct ReadDeck {
        LoadedDeck deck;
        QString damagedFile; // the file at fault of a damaged deck
    };
    static std::vector<ReadDeck> readFolder(const DeckStorage& storage);
    void install(std::vector<ReadDeck> read);
    LoadedDeck* findMutable(const QString& name);
    // The sentences first, then the rest: the marks of a deck whose second file failed are
    // matched by key on the next load.
    QString writeSentences(const LoadedDeck& deck);
    QString writeInfo(const LoadedDeck& deck);
    // An existing deck's files replaced; unless the first failed, it is the new one in memory
    // and decksChanged is told.
    QString writeOver(LoadedDeck& existing, LoadedDeck&& deck);
    // Files not there before: a sentences file left alone is taken back.
    QString writeFresh(const LoadedDeck& deck);
    // Why a mark was not saved, on standard error.
    void tellUnsaved(const QString& error);
    void tellDamage(const QString& fileName, const QString& damage);
    QStringList takenBases() const;
    void sortDecks();

    DeckStorage& m_storage;
    std::vector<LoadedDeck> m_decks;
    QStringList m_toldDamage;
    QFuture<std::vector<ReadDeck>> m_reading;
    int m_changes = 0; // of the decks in memory, so a reading that started before is not taken
    bool m_loadPending = false;
};
