#include "core/logging.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QMutex>
#include <cstdio>
#include <cstdlib>
#include <deque>

Q_LOGGING_CATEGORY(lcSettings, "dorvane.settings")
Q_LOGGING_CATEGORY(lcLearning, "dorvane.learning")
Q_LOGGING_CATEGORY(lcDesktop, "dorvane.desktop")
Q_LOGGING_CATEGORY(lcInstance, "dorvane.instance")
Q_LOGGING_CATEGORY(lcSpeech, "dorvane.speech")
Q_LOGGING_CATEGORY(lcDecks, "dorvane.decks")
Q_LOGGING_CATEGORY(lcReview, "dorvane.review")

namespace {

// The distinct lines written lately and how often each came again since its count was last
// written. A failing library often alternates a few lines, so more than the last one is kept.
struct WrittenLine {
    QByteArray text;
    qint64 writtenAt = 0;
    qint64 repeats = 0;
};
constexpr size_t kLinesKept = 16;
constexpr qint64 kCountIntervalMs = 60000;

QMutex repeatsMutex;
std::deque<WrittenLine> writtenLines;
qint64 (*testClock)() = nullptr;

qint64 steadyNow() {
    static QElapsedTimer sinceStart;
    if (!sinceStart.isValid())
        sinceStart.start();
    return sinceStart.elapsed();
}

// What goes to standard error for this line now: the line itself the first time, then nothing
// but, once a minute has passed, how often it came meanwhile.
QByteArray toWrite(const QByteArray& line) {
    QMutexLocker lock(&repeatsMutex);
    const qint64 now = testClock ? testClock() : steadyNow();
    for (WrittenLine& written : writtenLines) {
        if (written.text != line)
            continue;
        ++written.repeats;
        if (now - written.writtenAt < kCountIntervalMs)
            return {};
        const QString times =
            written.repeats == 1 ? QStringLiteral("time") : QStringLiteral("times");
        const QByteArray count =
            line.chopped(1) + QStringLiteral(" \u2026 repeated %1 %2\n")
                                  .arg(QLocale(QLocale::English).toString(written.repeats), times)
                                  .toLocal8Bit();
        written.writtenAt = now;
        written.repeats = 0;
        return count;
    }
    writtenLines.push_back({line, now, 0});
    if (writtenLines.size() > kLinesKept)
        writtenLines.pop_front();
    return line;
}

void writeLine(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QByteArray category = context.category ? context.category : "default";
    QByteArray prefix;
    if (category == "dorvane.speech")
        prefix = "speech: ";
    else if (category.startsWith("dorvane."))
        prefix = "dorvane: ";
    else if (category != "default")
        prefix = category + ": "; // Qt's own categories, as Qt writes them
    // Only what libraries print is held back: the program's own lines each tell of one event
    // (a speech engine ready again after a restart reads as it did the first time), and the
    // code that writes them already says a lasting fault once.
    QByteArray line = prefix + message.toLocal8Bit() + '\n';
    if (!category.startsWith("dorvane."))
        line = toWrite(line);
    if (!line.isEmpty()) {
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

void installDiagnosticsOutput() {
    qInstallMessageHandler(writeLine);
}

void setDiagnosticsClock(qint64 (*now)()) {
    QMutexLocker lock(&repeatsMutex);
    testClock = now;
}

void forgetRepeatedDiagnostics() {
    QMutexLocker lock(&repeatsMutex);
    writtenLines.clear();
}
