// Every command the learner can give, in one table: the word that names it on the command line
// and on the running copy's socket, its line in --help, its key for the whole desktop, its menu
// entry, what it needs before it may act, and the LearnerCommands member that carries it out.
// The command line, the socket, the desktop keys, the Learn and tray menus and the media
// controls all read it, so a new command is one row here and its member there.
#pragma once

#include <QStringList>
#include <array>
#include <cstddef>

class LearnerCommands;

enum class LearnerCommand {
    Pause,
    Resume,
    TogglePause,
    Next,
    Previous,
    Replay,
    ReplaySlowly,
    Known,
    Hard,
    OtherLanguage,
    Progress,
    Snooze,
    Wake,
    Exit,
};

// What a command waits for; until then it does nothing and the learner is told why.
enum class Readiness {
    Anytime,
    AfterWelcome,  // the first sentence has come
    SentenceOnBar, // the first sentence has come and a sentence is on the bar
    FreeCycle,     // the first sentence has come and no dialog holds the play cycle
};

constexpr std::size_t kLearnerCommandCount = static_cast<std::size_t>(LearnerCommand::Exit) + 1;

struct LearnerCommandRow {
    LearnerCommand id;
    const char* word;        // "--word" on the command line, "word" on the socket
    const char* help;        // its line in --help
    const char* desktopKey;  // grabbed for the whole desktop and shown in the menus; or none
    const char* menuEntry;   // the object name of its entry in the Learn and tray menus; or none
    const char* menuCaption; // that entry's caption; Resume's is the pause entry's while paused
    Readiness needs;
    void (LearnerCommands::*run)();
    // A command that takes a value: its name in --help ("minutes") and the member given it.
    const char* valueName = nullptr;
    void (LearnerCommands::*runWith)(const QString& value) = nullptr;
};

// In the order --help lists them and the desktop keys are grabbed; row N is command N.
const std::array<LearnerCommandRow, kLearnerCommandCount>& learnerCommands();
const LearnerCommandRow& learnerCommand(LearnerCommand id);
// The row whose word this is, or none.
const LearnerCommandRow* learnerCommandNamed(const QString& word);
// Every command's word, for the socket to accept.
QStringList learnerCommandWords();
