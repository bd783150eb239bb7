#include "core/decks/deck_library.h"

#include "core/decks/deck_file.h"
#include "core/decks/deck_merge.h"
#include "core/decks/deck_names.h"
#include "core/decks/deck_reader.h"
#include "core/decks/line_key_index.h"
#include "core/logging.h"
#include "core/ports/deck_storage.h"

#include <QFutureWatcher>
#include <QMap>
#include <QPromise>
#include <QThreadPool>
#include <algorithm>
#include <memory>

namespace {

struct FilePair {
    bool sentences = false;
    bool info = false;
};

// The bases of the deck files in the folder, each with the files it has.
QMap<QString, FilePair> deckFiles(const QStringList& fileNames) {
    QMap<QString, FilePair> pairs;
    for (const QString& name : fileNames) {
        if (name.endsWith(DeckFile::kSentencesSuffix))
            pairs[name.chopped(DeckFile::kSentencesSuffix.size())].sentences = true;
        else if (name.endsWith(DeckFile::kInfoSuffix))
            pairs[name.chopped(DeckFile::kInfoSuffix.size())].info = true;
    }
    return pairs;
}

// The deck of one base; damagedFile names the file at fault when it is damaged.
LoadedDeck readDeck(const DeckStorage& storage, const QString& base, FilePair files,
                    QString& damagedFile) {
    LoadedDeck deck;
    deck.fileBase = base;
    deck.info.name = base;
    const QString sentencesName = DeckFile::sentencesFileName(base);
    const QString infoName = DeckFile::infoFileName(base);
    if (!files.info) {
        damagedFile = sentencesName;
        deck.damage = QStringLiteral("no %1 beside it").arg(infoName);
        return deck;
    }
    if (!files.sentences) {
        damagedFile = infoName;
        deck.damage = QStringLiteral("no %1 beside it").arg(sentencesName);
        return deck;
    }
    const std::optional<QByteArray> info = storage.read(infoName);
    damagedFile = infoName;
    deck.damage = info ? DeckFile::parseInfo(*info, deck.info, deck.progress)
                       : QStringLiteral("cannot be read");
    if (!deck.damage.isEmpty())
        return deck;
    const std::optional<QByteArray> sentences = storage.read(sentencesName);
    damagedFile = sentencesName;
    deck.damage = sentences ? DeckFile::parseSentences(*sentences, deck.sentences)
                            : QStringLiteral("cannot be read");
    if (!deck.damage.isEmpty())
        return deck;
    // Marks of sentences edited out of the file by hand go with them.
    DeckProgress& progress = deck.progress;
    LineKeyIndex keys(deck.sentences.lines(), DeckSentences::kKeyColumn);
    keys.insertAll();
    for (QSet<QString>* marks : {&progress.known, &progress.seen})
        marks->removeIf([&keys](const QString& key) { return !keys.contains(key); });
    if (!keys.contains(progress.nextKey))
        progress.nextKey.clear();
    damagedFile.clear();
    return deck;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

int LoadedDeck::indexOf(const QString& key) const {
    return sentences.indexOf(key);
}

DeckLibrary::DeckLibrary(DeckStorage& storage, QObject* parent)
    : QObject(parent), m_storage(storage) {}

DeckLibrary::~DeckLibrary() {
    // A reading still running reads from the storage, which may go with this library.
    if (m_loadPending)
        m_reading.waitForFinished();
}

// Touches nothing but the storage's files, so it may run on any thread.
std::vector<DeckLibrary::ReadDeck> DeckLibrary::readFolder(const DeckStorage& storage) {
    std::vector<ReadDeck> read;
    const QMap<QString, FilePair> pairs = deckFiles(storage.fileNames());
    for (auto it = pairs.constBegin(); it != pairs.constEnd(); ++it) {
        ReadDeck one;
        one.deck = readDeck(storage, it.key(), it.value(), one.damagedFile);
        read.push_back(std::move(one));
    }
    return read;
}

void DeckLibrary::install(std::vector<ReadDeck> read) {
    m_decks.clear();
    for (ReadDeck& one : read) {
        LoadedDeck& deck = one.deck;
        if (deck.damage.isEmpty() && find(deck.info.name)) {
            one.damagedFile = DeckFile::infoFileName(deck.fileBase);
            deck.damage = QStringLiteral("another deck has the name %1").arg(deck.info.name);
        }
        if (!deck.damage.isEmpty())
            tellDamage(one.damagedFile, deck.damage);
        m_decks.push_back(std::move(deck));
    }
    sortDecks();
    emit decksChanged();
}

void DeckLibrary::load() {
    install(readFolder(m_storage));
}

void DeckLibrary::loadInBackground() {
    if (m_loadPending)
        return; // the reading under way brings them
    auto promise = std::make_shared<QPromise<std::vector<ReadDeck>>>();
    m_reading = promise->future();
    const int changes = m_changes;
    m_loadPending = true;
    auto* watcher = new QFutureWatcher<std::vector<ReadDeck>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, changes] {
        watcher->deleteLater();
        m_loadPending = false;
        // A deck changed meanwhile (imported, deleted) may be missing from what was read.
        if (changes != m_changes)
            load();
        else
            install(m_reading.takeResult());
        emit loaded();
    });
    watcher->setFuture(m_reading);
    QThreadPool::globalInstance()->start([promise, &storage = m_storage] {
        promise->start();
        promise->addResult(readFolder(storage));
        promise->finish();
    });
}

bool DeckLibrary::loading() const {
    return m_loadPending;
}

const LoadedDeck* DeckLibrary::find(const QString& name) const {
    const LoadedDeck* damaged = nullptr;
    for (const LoadedDeck& deck : m_decks) {
        if (!sameName(deck.info.name, name))
            continue;
        if (deck.damage.isEmpty())
            return &deck;
        // A copy of a deck's files by hand names the same deck; the one that plays comes first.
        if (!damaged)
            damaged = &deck;
    }
    return damaged;
}

LoadedDeck* DeckLibrary::findMutable(const QString& name) {
    return const_cast<LoadedDeck*>(find(name));
}

QString DeckLibrary::folder() const {
    return m_storage.folder();
}

DeckLibrary::Outcome DeckLibrary::importDeck(const DeckInfo& info, const DeckDraft& draft) {
    const QString name = info.name.trimmed();
    if (name.isEmpty())
        return {QStringLiteral("a deck needs a name"), {}};
    if (draft.sentences.empty()) {
        const QString what = info.source.isEmpty() ? name : info.source;
        return {QStringLiteral("%1 has no sentences to import").arg(what), {}};
    }
    LoadedDeck* existing = findMutable(name);
    LoadedDeck deck;
    MergeCounts counts;
    if (existing && existing->damage.isEmpty()) {
        deck = *existing;
        counts = mergeSentences(deck, draft.sentences);
    } else {
        // A damaged deck's files are replaced whole, its marks with them.
        deck.fileBase = existing ? existing->fileBase : DeckNames::freeFileBase(name, takenBases());
        deck.info.name = name;
        deck.sentences = draft.sentences;
        counts.added = int(deck.sentences.size());
    }
    deck.info.language = info.language;
    deck.info.source = info.source;
    deck.info.updated = QDateTime::currentDateTimeUtc();

    Outcome outcome{QString(), counts};
    if (existing && existing->damage.isEmpty()) {
        outcome.error = writeOver(*existing, std::move(deck));
        return outcome;
    }
    outcome.error = writeFresh(deck);
    if (!outcome.error.isEmpty())
        return outcome;
    if (existing)
        *existing = std::move(deck);
    else
        m_decks.push_back(std::move(deck));
    sortDecks();
    emit decksChanged();
    return outcome;
}

DeckLibrary::Outcome DeckLibrary::addSentence(const QString& deckName, const QString& sentence,
                                              const QString& translation) {
    const QString name = deckName.trimmed().isEmpty() ? kDefaultDeckName : deckName.trimmed();
    DeckSentence added{sentence.trimmed(), sentence.trimmed(), translation.trimmed()};
    if (added.sentence.isEmpty() || added.translation.isEmpty())
        return {QStringLiteral("a sentence needs its translation"), {}};
    if (added.sentence.size() > DeckLimits::kMaxTextLength ||
        added.translation.size() > DeckLimits::kMaxTextLength)
        return {QStringLiteral("a sentence or translation is over %1 characters")
                    .arg(DeckLimits::kMaxTextLength),
                {}};

    LoadedDeck* existing = findMutable(name);
    if (existing && !existing->damage.isEmpty())
        return {QStringLiteral("the deck %1 is damaged (%2): import it again or delete it")
                    .arg(existing->info.name, existing->damage),
                {}};
    LoadedDeck deck;
    MergeCounts counts;
    if (existing) {
        deck = *existing;
        const int at = deck.indexOf(added.key);
        if (at >= 0 && deck.sentences[size_t(at)].translation == added.translation)
            return {QStringLiteral("\"%1\" is already in %2").arg(added.sentence, deck.info.name),
                    {}};
        // The same sentence with another translation: the learner corrects it.
        if (at >= 0) {
            deck.sentences.replace(size_t(at), added);
            counts.updated = 1;
        } else {
            deck.sentences.push_back(added);
            counts.added = 1;
        }
    } else {
        deck.fileBase = DeckNames::freeFileBase(name, takenBases());
        deck.info.name = name;
        deck.sentences.push_back(added);
        counts.added = 1;
    }
    deck.info.updated = QDateTime::currentDateTimeUtc();

    if (existing)
        return {writeOver(*existing, std::move(deck)), counts};
    Outcome outcome{writeFresh(deck), counts};
    if (!outcome.error.isEmpty())
        return outcome;
    m_decks.push_back(std::move(deck));
    sortDecks();
    emit decksChanged();
    return outcome;
}

QString DeckLibrary::rename(const QString& name, const QString& newName) {
    LoadedDeck* existing = findMutable(name);
    if (!existing)
        return QStringLiteral("there is no deck named %1").arg(name);
    const QString wanted = newName.trimmed();
    if (wanted.isEmpty())
        return QStringLiteral("a deck needs a name");
    const LoadedDeck* other = find(wanted);
    if (other && other != existing)
        return QStringLiteral("there is a deck named %1 already").arg(other->info.name);
    if (!existing->damage.isEmpty())
        return QStringLiteral("the deck %1 is damaged (%2): import it again or delete it")
            .arg(existing->info.name, existing->damage);
    if (wanted == existing->info.name)
        return {};

    LoadedDeck deck = *existing;
    deck.info.name = wanted;
    QStringList taken = takenBases();
    taken.removeAll(existing->fileBase);
    const QString base = DeckNames::freeFileBase(wanted, taken);
    // A change of case only keeps the files: where case is ignored, the new ones would be the old.
    const bool sameFiles = sameName(base, existing->fileBase);
    if (!sameFiles)
        deck.fileBase = base;
    QString error = sameFiles ? writeInfo(deck) : writeFresh(deck);
    if (!error.isEmpty())
        return error;
    const QString oldBase = existing->fileBase;
    *existing = std::move(deck);
    if (!sameFiles) {
        error = m_storage.moveToTrash(DeckFile::sentencesFileName(oldBase));
        if (error.isEmpty())
            error = m_storage.moveToTrash(DeckFile::infoFileName(oldBase));
    }
    sortDecks();
    emit decksChanged();
    return error;
}

QString DeckLibrary::remove(const QString& name) {
    const LoadedDeck* deck = find(name);
    if (!deck)
        return QStringLiteral("there is no deck named %1").arg(name);
    const QStringList present = m_storage.fileNames();
    const QString sentencesName = DeckFile::sentencesFileName(deck->fileBase);
    const QString infoName = DeckFile::infoFileName(deck->fileBase);
    QString error;
    if (present.contains(sentencesName))
        error = m_storage.moveToTrash(sentencesName);
    if (!error.isEmpty())
        return error; // nothing is gone yet
    if (present.contains(infoName))
        error = m_storage.moveToTrash(infoName);
    // Without its sentences the deck no longer plays, whatever became of the second file.
    m_decks.erase(m_decks.begin() + (deck - m_decks.data()));
    ++m_changes;
    emit decksChanged();
    return error;
}

bool DeckLibrary::markKnown(const QString& name, const QString& key) {
    LoadedDeck* deck = findMutable(name);
    if (!deck || !deck->damage.isEmpty() || deck->indexOf(key) < 0)
        return false;
    deck->progress.known.insert(key);
    const QString error = writeInfo(*deck);
    tellUnsaved(error);
    return error.isEmpty();
}

void DeckLibrary::markSeen(const QString& name, const QString& key) {
    LoadedDeck* deck = findMutable(name);
    if (deck && deck->damage.isEmpty() && deck->indexOf(key) >= 0)
        deck->progress.seen.insert(key);
}

void DeckLibrary::forget(const QString& name) {
    LoadedDeck* deck = findMutable(name);
    if (!deck || !deck->damage.isEmpty() || deck->progress.known.isEmpty())
        return;
    deck->progress.known.clear();
    tellUnsaved(writeInfo(*deck));
}

void DeckLibrary::setNextKey(const QString& name, const QString& key) {
    LoadedDeck* deck = findMutable(name);
    if (deck && deck->damage.isEmpty() && (key.isEmpty() || deck->indexOf(key) >= 0))
        deck->progress.nextKey = key;
}

QString DeckLibrary::saveProgress(const QString& name) {
    const LoadedDeck* deck = find(name);
    if (!deck || !deck->damage.isEmpty())
        return {};
    return writeInfo(*deck);
}

QString DeckLibrary::writeSentences(const LoadedDeck& deck) {
    return m_storage.write(DeckFile::sentencesFileName(deck.fileBase),
                           DeckFile::sentencesText(deck.sentences));
}

QString DeckLibrary::writeOver(LoadedDeck& existing, LoadedDeck&& deck) {
    const QString error = writeSentences(deck);
    if (!error.isEmpty())
        return error;
    const QString infoError = writeInfo(deck);
    existing = std::move(deck);
    sortDecks();
    emit decksChanged();
    if (infoError.isEmpty())
        return {};
    return QStringLiteral("the sentences were saved, but not the deck's name and marks: %1")
        .arg(infoError);
}

QString DeckLibrary::writeFresh(const LoadedDeck& deck) {
    const QString error = writeSentences(deck);
    if (!error.isEmpty())
        return error;
    const QString infoError = writeInfo(deck);
    if (!infoError.isEmpty()) // alone, it would show as a damaged deck
        m_storage.moveToTrash(DeckFile::sentencesFileName(deck.fileBase));
    return infoError;
}

QString DeckLibrary::writeInfo(const LoadedDeck& deck) {
    return m_storage.write(DeckFile::infoFileName(deck.fileBase),
                           DeckFile::infoText(deck.info, deck.progress, deck.sentences));
}

void DeckLibrary::tellUnsaved(const QString& error) {
    if (!error.isEmpty())
        qCWarning(lcDecks).noquote() << "the learner's marks were not saved:" << error;
}

void DeckLibrary::tellDamage(const QString& fileName, const QString& damage) {
    const QString told = fileName + QLatin1Char('\n') + damage;
    if (m_toldDamage.contains(told))
        return;
    m_toldDamage << told;
    qCWarning(lcDecks).noquote()
        << QStringLiteral("the deck file %1/%2 is damaged (%3): it is left out and kept as it is "
                          "until you import it again or delete it")
               .arg(m_storage.folder(), fileName, damage);
}

QStringList DeckLibrary::takenBases() const {
    QStringList taken = deckFiles(m_storage.fileNames()).keys();
    for (const LoadedDeck& deck : m_decks)
        taken << deck.fileBase;
    return taken;
}

void DeckLibrary::sortDecks() {
    ++m_changes; // every change of the list comes through here
    std::stable_sort(m_decks.begin(), m_decks.end(), [](const LoadedDeck& a, const LoadedDeck& b) {
        const int byName = a.info.name.compare(b.info.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.fileBase < b.fileBase;
    });
}
