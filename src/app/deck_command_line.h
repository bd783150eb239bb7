// The command line's deck options: --import FILE, --add SENTENCE TRANSLATION (each with an
// optional --deck NAME) and --play-deck NAME. They work on the deck folder and the settings
// store directly, with no display and no running copy; a copy that runs is told, and shows the
// change at once.
#pragma once

#include <QStringList>

class QCommandLineParser;

namespace DeckCommandLine {

// The words the running copy's socket takes for them: the decks changed on disk; play the deck
// named after the word (none: the built-in sentences).
inline constexpr const char* kDecksChanged = "decks-changed";
inline constexpr const char* kPlayDeck = "play-deck";
QStringList socketWords();

// Adds the options to the parser.
void addOptions(QCommandLineParser& parser);
// Whether one of them was given.
bool given(const QCommandLineParser& parser);
// Carries it out and returns the exit code: 0 done, 1 refused (the reason on standard error),
// 2 a mistake in the command line. Needs a QCoreApplication named as the program.
int run(const QCommandLineParser& parser);

} // namespace DeckCommandLine
