#include "core/learning/learner_command_table.h"

#include "core/learning/learner_commands.h"

#include <QCoreApplication>

namespace {

using L = LearnerCommands;
using R = Readiness;
#define CAPTION(text) QT_TRANSLATE_NOOP("LearnActions", text)

constexpr std::array<LearnerCommandRow, kLearnerCommandCount> kCommands = {{
    {LearnerCommand::Pause, "pause", "Pause the running copy.", nullptr, nullptr, nullptr,
     R::AfterWelcome, &L::pause},
    {LearnerCommand::Resume, "resume", "Resume the running copy.", nullptr, nullptr,
     CAPTION("Res&ume"), R::Anytime, &L::resume},
    {LearnerCommand::TogglePause, "toggle-pause",
     "Pause the running copy, or resume it when paused.", "Ctrl+Alt+Space", "pause",
     CAPTION("&Pause"), R::AfterWelcome, &L::togglePause},
    {LearnerCommand::Next, "next", "Next sentence (while paused: step to it and stay paused).",
     "Ctrl+Alt+N", "next", CAPTION("&Next"), R::FreeCycle, &L::next},
    {LearnerCommand::Previous, "previous",
     "Previous sentence (while paused: step to it and stay paused).", "Ctrl+Alt+B", "previous",
     CAPTION("Pre&vious"), R::FreeCycle, &L::previous},
    {LearnerCommand::Replay, "replay", "Read the sentence on the bar again.", "Ctrl+Alt+R",
     "replay", CAPTION("&Replay"), R::SentenceOnBar, &L::replay},
    {LearnerCommand::ReplaySlowly, "replay-slowly", "Read it again, slowly.", "Ctrl+Alt+S",
     "replaySlowly", CAPTION("Replay sl&owly"), R::SentenceOnBar, &L::replaySlowly},
    {LearnerCommand::Known, "known", "I know this one: mark the sentence known and move on.",
     "Ctrl+Alt+K", "knowThisOne", CAPTION("I &know this one"), R::FreeCycle, &L::knowThisOne},
    {LearnerCommand::Hard, "hard", "This one is hard: review it again soon, and move on.",
     "Ctrl+Alt+H", "thisOneIsHard", CAPTION("This one is hard"), R::FreeCycle, &L::thisOneIsHard},
    {LearnerCommand::OtherLanguage, "other-language",
     "While paused, show the sentence in its other language.", "Ctrl+Alt+E", "otherLanguage",
     CAPTION("Show the o&ther language"), R::FreeCycle, &L::showOtherLanguage},
    {LearnerCommand::Progress, "progress", "Open the progress window.", nullptr, "progress",
     CAPTION("Pro&gress..."), R::Anytime, &L::requestProgress},
    {LearnerCommand::Snooze, "snooze",
     "Hide the bar and Peedy for that many minutes (1 to 1440); playback waits.", nullptr, nullptr,
     nullptr, R::Anytime, nullptr, "minutes", &L::snooze},
    {LearnerCommand::Wake, "wake", "End a snooze: the bar comes back.", nullptr, "wake",
     CAPTION("&Wake up"), R::Anytime, &L::wake},
    {LearnerCommand::Exit, "exit", "End the running copy, as its Exit menu entry does.", nullptr,
     nullptr, nullptr, R::Anytime, &L::requestExit},
}};

constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (static_cast<std::size_t>(kCommands[i].id) != i)
            return false;
    return true;
}
static_assert(inIdOrder(), "row N is command N");

} // namespace

const std::array<LearnerCommandRow, kLearnerCommandCount>& learnerCommands() {
    return kCommands;
}

const LearnerCommandRow& learnerCommand(LearnerCommand id) {
    return kCommands[static_cast<std::size_t>(id)];
}

const LearnerCommandRow* learnerCommandNamed(const QString& word) {
    for (const LearnerCommandRow& row : kCommands)
        if (word == QLatin1String(row.word))
            return &row;
    return nullptr;
}

QStringList learnerCommandWords() {
    QStringList words;
    for (const LearnerCommandRow& row : kCommands)
        words << QLatin1String(row.word);
    return words;
}
