// Dorvane: learning everyday spoken French from a caption bar on the top edge of the screen.
#include "app/product.h"
#include "app/program.h"
#include "app/settings_persistence.h"
#include "bar/form1.h"
#include "commands/menu_commands.h"
#include "platform/auto_start.h"
#include "platform/character/desktop_agent.h"
#include "platform/character/peedy_character.h"
#include "platform/character/peedy_voice_choice.h"
#include "platform/character/qt_speech_engine.h"
#include "platform/end_requests.h"
#include "platform/global_shortcuts.h"
#include "platform/platform.h"
#include "platform/qsettings_store.h"
#include "platform/qt_message_dialog.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "platform/window_system.h"
#include "playback/random_source.h"

#include <QApplication>
#include <csignal>
#include <cstdlib>

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

} // namespace

int main(int argc, char* argv[]) {
#ifdef SIGPIPE
    // A speech daemon that goes away must not take the program with it.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    preferX11OnWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Product::kTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(Product::kVersion));
    QApplication::setQuitOnLastWindowClosed(false); // only Exit ends the program

    SingleInstance instance(QSettingsStore::location(QLatin1String(kSettingsApplication)));
    if (!instance.acquire())
        return 0;

    QSettingsStore store;
    QtWindowSystem windows;
    QtMessageDialog messages;
    DesktopAgent agent(QStringLiteral(":/art/peedy"), [&store] {
        auto engine = std::make_unique<QtSpeechEngine>();
        engine->setVoice(storedVoice(store));
        return engine;
    });
    DesktopShell shell;
    std::unique_ptr<AutoStart> autoStart = makeAutoStart();
    Platform platform{store, windows, messages, agent, shell, *autoStart};
    ClockSeededRandom random;

    Program program(platform, random);
    // Exit ends the process at once; the lock beside the store goes with it, not left stale.
    program.commands().endProcess = [&instance] {
        instance.release();
        std::_Exit(0);
    };
    agent.setSentenceOnBar([&program] { return program.bar().french(); });
    QObject::connect(&instance, &SingleInstance::activationRequested, &program, &Program::activate);
    EndRequests endRequests;
    QObject::connect(&endRequests, &EndRequests::endRequested, &program, &Program::endAsExit,
                     Qt::DirectConnection);
    program.Form_Load();
    // What the tray's Voice submenu offers and changes.
    std::unique_ptr<PeedyVoiceChoice> voiceChoice;
    if (PeedyCharacter* peedy = agent.peedy())
        voiceChoice = std::make_unique<PeedyVoiceChoice>(*peedy, store);
    endRequests.watchProcessExit();
    program.startLearnerControls(makeGlobalShortcuts(), voiceChoice.get());
    return app.exec();
}
