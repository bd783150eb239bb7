#include "app/deck_command_line.h"

#include "core/decks/deck_library.h"
#include "core/decks/deck_reader.h"
#include "core/settings/settings_keys.h"
#include "platform/deck_folder.h"
#include "platform/qsettings_store.h"
#include "platform/single_instance.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace DeckCommandLine {
namespace {

const QString kImport = QStringLiteral("import");
const QString kAdd = QStringLiteral("add");
const QString kDeck = QStringLiteral("deck");
const QString kPlay = QStringLiteral("play-deck");

void fail(const QString& text) {
    std::fprintf(stderr, "dorvane: %s\n", qPrintable(text));
}

// A running copy shows the change at once; without one, the next start finds it.
void tellRunningCopy(const QString& line) {
    const SingleInstance running(QSettingsStore::location(QLatin1String(kSettingsApplication)));
    if (running.deliver(line) == SingleInstance::Delivery::NoAnswer)
        fail(QStringLiteral("the running copy did not answer; it shows the change at its next "
                            "start"));
}

int importFile(const QString& path, const QString& deckName) {
    const QFileInfo info(path);
    const QString shown = info.fileName();
    if (!info.isFile()) {
        fail(QStringLiteral("%1: there is no such file").arg(path));
        return 1;
    }
    if (info.size() > DeckLimits::kMaxFileBytes) {
        fail(QStringLiteral("%1 is over 100 MB, the most an import takes").arg(shown));
        return 1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("%1 cannot be read: %2").arg(shown, file.errorString()));
        return 1;
    }
    DeckReadResult read = readDeckText(file.readAll(), shown);
    if (!read.table) {
        fail(read.error);
        return 1;
    }
    DeckTable& table = *read.table;
    const DeckDraft draft = draftDeck(table, table.sentenceColumn, table.translationColumn);
    // The draft has its own copy of what it keeps: the rows are let go before the writing.
    table.rows = TabLines();
    std::vector<int>().swap(table.rowLines);
    DeckInfo deck;
    deck.name = !deckName.isEmpty()         ? deckName
                : !table.deckName.isEmpty() ? table.deckName
                                            : info.completeBaseName();
    deck.source = info.absoluteFilePath();
    deck.updated = QDateTime::currentDateTimeUtc();
    DeckFolder folder;
    DeckLibrary library(folder);
    library.load();
    const DeckLibrary::Outcome outcome = library.importDeck(deck, draft);
    if (!outcome.error.isEmpty()) {
        fail(outcome.error);
        return 1;
    }
    std::printf("%s: %s\n", qPrintable(deck.name),
                qPrintable(importSummary(table, draft, outcome.counts)));
    tellRunningCopy(QLatin1String(kDecksChanged));
    return 0;
}

int addSentence(const QStringList& texts, const QString& deckName) {
    if (texts.size() != 2) {
        fail(QStringLiteral("--add takes the sentence and its translation, each in quotes"));
        return 2;
    }
    DeckFolder folder;
    DeckLibrary library(folder);
    library.load();
    const QString name = deckName.isEmpty() ? DeckLibrary::kDefaultDeckName : deckName;
    const DeckLibrary::Outcome outcome =
        library.addSentence(name, cleanDeckField(texts[0]), cleanDeckField(texts[1]));
    if (!outcome.error.isEmpty()) {
        fail(outcome.error);
        return 1;
    }
    std::printf("added to %s\n", qPrintable(name));
    tellRunningCopy(QLatin1String(kDecksChanged));
    return 0;
}

int playDeck(const QString& name) {
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) {
        fail(QStringLiteral("a deck's name is one line"));
        return 2;
    }
    QString playing;
    if (!name.isEmpty()) {
        DeckFolder folder;
        DeckLibrary library(folder);
        library.load();
        const LoadedDeck* deck = library.find(name);
        if (!deck || !deck->damage.isEmpty()) {
            fail(QStringLiteral("there is no deck \"%1\" to play").arg(name));
            return 1;
        }
        playing = deck->info.name;
    }
    const SingleInstance running(QSettingsStore::location(QLatin1String(kSettingsApplication)));
    switch (running.deliver(QLatin1String(kPlayDeck) + QLatin1Char(' ') + playing)) {
    case SingleInstance::Delivery::Taken:
        return 0; // the copy stores the choice, as its menu does
    case SingleInstance::Delivery::NoAnswer:
        fail(QStringLiteral("the running copy did not answer"));
        return 3;
    case SingleInstance::Delivery::NoCopy:
        break;
    }
    QSettingsStore store;
    store.write(QLatin1String(kSettingsApplication), QLatin1String(DeckKeys::kSection),
                QLatin1String(DeckKeys::kPlaying), playing);
    store.sync();
    if (const QString failure = store.saveFailure(); !failure.isEmpty()) {
        fail(failure);
        return 1;
    }
    return 0;
}

} // namespace

QStringList socketWords() {
    return {QLatin1String(kDecksChanged), QLatin1String(kPlayDeck)};
}

void addOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(
        kImport,
        QStringLiteral("Import the sentences of a file (Anki notes, CSV or TSV, Tatoeba "
                       "pairs) as a deck; no running copy needed."),
        QStringLiteral("file")));
    parser.addOption(QCommandLineOption(
        kAdd, QStringLiteral("Add a sentence and its translation, given after the options, to a "
                             "deck (\"My sentences\" unless a deck is named).")));
    parser.addOption(QCommandLineOption(
        kDeck, QStringLiteral("The deck an import or an added sentence goes into."),
        QStringLiteral("name")));
    parser.addOption(QCommandLineOption(
        kPlay, QStringLiteral("Play a deck on the bar (\"\": the built-in sentences)."),
        QStringLiteral("name")));
}

bool given(const QCommandLineParser& parser) {
    return parser.isSet(kImport) || parser.isSet(kAdd) || parser.isSet(kPlay);
}

int run(const QCommandLineParser& parser) {
    const int chosen =
        int(parser.isSet(kImport)) + int(parser.isSet(kAdd)) + int(parser.isSet(kPlay));
    if (chosen > 1 || (parser.isSet(kPlay) && parser.isSet(kDeck)) ||
        (!parser.isSet(kAdd) && !parser.positionalArguments().isEmpty())) {
        fail(QStringLiteral("give one command option at a time\nTry 'dorvane --help'."));
        return 2;
    }
    if (parser.isSet(kImport))
        return importFile(parser.value(kImport), parser.value(kDeck));
    if (parser.isSet(kAdd))
        return addSentence(parser.positionalArguments(), parser.value(kDeck));
    return playDeck(parser.value(kPlay));
}

} // namespace DeckCommandLine
