// The program's diagnostics: one logging category per area, all written to standard error as
// one line each, "dorvane: ..." or, for speech, "speech: ...".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSettings) // the settings store and the login entry
Q_DECLARE_LOGGING_CATEGORY(lcLearning) // known and seen sentences, learning notices
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)  // tray, desktop keys, windows, the character's loading
Q_DECLARE_LOGGING_CATEGORY(lcInstance) // the single running copy
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)   // the speech engine and its voice
Q_DECLARE_LOGGING_CATEGORY(lcDecks)    // the learner's own decks: their files and imports
Q_DECLARE_LOGGING_CATEGORY(lcReview)   // the review schedule, its log and its settings

// Writes every message straight to standard error as "<area>: <message>", whatever the session
// does with Qt's default output (which may go to the system journal instead). A line that comes
// again (a library failing in a loop) is written once; after that only how often it came, at
// most once a minute, so standard error stays small however long a failure lasts.
void installDiagnosticsOutput();

// For tests: the clock the once-a-minute rule reads (milliseconds; null for the steady clock),
// and forgetting the lines written so far.
void setDiagnosticsClock(qint64 (*now)());
void forgetRepeatedDiagnostics();
