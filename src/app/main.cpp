// Dorvane: learning everyday spoken French from a caption bar on the top edge of the screen.
// main() reads the command line, makes sure one copy runs, and builds the real services;
// Application makes every connection between them and the program.
#include "app/application.h"
#include "app/deck_command_line.h"
#include "core/learning/learner_command_table.h"
#include "core/logging.h"
#include "core/playback/playback_state.h"
#include "core/playback/random_source.h"
#include "core/playback/snooze.h"
#include "core/settings/product.h"
#include "core/settings/settings_persistence.h"
#include "core/settings/settings_record.h"
#include "core/voice/voice_choice.h"
#include "platform/deck_folder.h"
#include "platform/desktop_shell.h"
#include "platform/os_services.h"
#include "platform/platform.h"
#include "platform/qsettings_store.h"
#include "platform/qt_message_dialog.h"
#include "platform/record_folder.h"
#include "platform/single_instance.h"
#include "platform/speech_engine_choice.h"
#include "platform/window_system.h"
#include "ui/character/desktop_character_loader.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// The bar must stay on top and sit at exact coordinates, which Wayland lets no client do;
// XWayland does. Without XWayland Qt falls back to Wayland itself. A platform the user chose
// is left alone.
void preferX11OnWayland() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

// Reads the command line. Returns the exit code when the program is not to start (help,
// version, a command handed to the running copy, a mistake), or nothing to start normally.
std::optional<int> handleCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Learn everyday spoken French from a caption bar on the top edge of the "
                       "screen.\nWith a command option, the copy already running for this user's "
                       "settings is told and this one ends at once."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // The learner's commands a running copy takes.
    for (const LearnerCommandRow& command : learnerCommands())
        parser.addOption(
            QCommandLineOption(QLatin1String(command.word), QLatin1String(command.help),
                               command.valueName ? QLatin1String(command.valueName) : QString()));
    DeckCommandLine::addOptions(parser);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "dorvane: %s\nTry 'dorvane --help'.\n",
                     qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QStringLiteral("dorvane"))),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", Product::kTitle, Product::kVersion);
        return 0;
    }
    QStringList commands;
    for (const LearnerCommandRow& command : learnerCommands()) {
        const QString word = QLatin1String(command.word);
        if (!parser.isSet(word))
            continue;
        // A value goes after its word, as the running copy's socket takes it.
        const QString value = command.valueName ? parser.value(word).trimmed() : QString();
        if (command.id == LearnerCommand::Snooze && !Snooze::minutesIn(value)) {
            std::fprintf(stderr, "dorvane: --snooze takes the minutes, 1 to %d, not \"%s\"\n",
                         Snooze::kLongestMinutes, qPrintable(value));
            return 2;
        }
        commands << (command.valueName ? word + QLatin1Char(' ') + value : word);
    }
    if (DeckCommandLine::given(parser) && commands.isEmpty()) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QString::fromLatin1(Product::kTitle));
        return DeckCommandLine::run(parser);
    }
    if (!parser.positionalArguments().isEmpty() || commands.size() > 1 ||
        DeckCommandLine::given(parser) || parser.isSet(QStringLiteral("deck"))) {
        std::fprintf(stderr, "dorvane: give one command option at a time\nTry 'dorvane --help'.\n");
        return 2;
    }
    if (commands.isEmpty())
        return std::nullopt;
    // No window: the command goes to the running copy, or nowhere.
    QCoreApplication app(argc, argv);
    // Named as the running copy names itself: on Windows its lock, and so its pipe's name, lie
    // in a folder named after the program.
    QCoreApplication::setApplicationName(QString::fromLatin1(Product::kTitle));
    const SingleInstance running(QSettingsStore::location(QLatin1String(kSettingsApplication)));
    qint64 holder = 0;
    switch (running.deliver(commands.front(), &holder)) {
    case SingleInstance::Delivery::Taken:
        return 0;
    case SingleInstance::Delivery::NoAnswer:
        std::fprintf(stderr, "dorvane: the running copy (process %lld) did not answer\n",
                     static_cast<long long>(holder));
        return 3;
    case SingleInstance::Delivery::NoCopy:
        break;
    }
    std::fprintf(stderr, "dorvane: no copy of Dorvane is running for these settings; start it "
                         "first\n");
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    ignoreBrokenPipes(); // a speech daemon that goes away must not take the program with it
    installDiagnosticsOutput();
    if (const std::optional<int> exitCode = handleCommandLine(argc, argv))
        return *exitCode;
    preferX11OnWayland();
    // Qt aborts when its platform finds no display, with a message about plugins: one line here.
    if (const QString display = unreachableDisplay(); !display.isEmpty()) {
        std::fprintf(stderr, "dorvane: cannot open the display (%s)\n", qPrintable(display));
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Product::kTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(Product::kVersion));
    QApplication::setQuitOnLastWindowClosed(false); // only Exit ends the program

    SingleInstance instance(QSettingsStore::location(QLatin1String(kSettingsApplication)),
                            learnerCommandWords() + DeckCommandLine::socketWords());
    switch (instance.acquire()) {
    case SingleInstance::Start::AlreadyRuns:
        return 0;
    case SingleInstance::Start::CannotJudge:
        return 1;
    case SingleInstance::Start::Run:
        break;
    }

    QSettingsStore store;
    QtWindowSystem windows;
    QtMessageDialog messages;
    PlaybackState playback; // the character reads the bar's sentence from it too
    DesktopCharacterLoader characters(
        QStringLiteral(":/art/peedy"),
        [&store] {
            std::unique_ptr<SpeechEngine> engine = makeSpeechEngine();
            engine->setVoice(storedVoice(store));
            return engine;
        },
        &playback);
    DesktopShell shell;
    std::unique_ptr<AutoStart> autoStart = makeAutoStart();
    DeckFolder decks;
    RecordFolder records;
    Platform platform{store, windows, messages, characters, shell, *autoStart, decks, records};
    ClockSeededRandom random;
    SettingsRecord settings; // filled from the store by start()

    Application program(platform, settings, random, playback, &instance);
    program.startOnDesktop(characters);
    return app.exec();
}
