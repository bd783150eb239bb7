// Dorvane: learning everyday spoken French from a caption bar on the top edge of the screen.
#include "app/application.h"
#include "core/logging.h"
#include "core/playback/random_source.h"
#include "core/settings/product.h"
#include "core/settings/settings_persistence.h"
#include "core/voice/voice_choice.h"
#include "platform/desktop_shell.h"
#include "platform/end_requests.h"
#include "platform/os_services.h"
#include "platform/platform.h"
#include "platform/qsettings_store.h"
#include "platform/qt_message_dialog.h"
#include "platform/qt_speech_engine.h"
#include "platform/single_instance.h"
#include "platform/window_system.h"
#include "ui/bar/caption_bar.h"
#include "ui/bar/menu_commands.h"
#include "ui/character/desktop_character_loader.h"
#include "ui/character/peedy_character.h"
#include "ui/character/peedy_voice_choice.h"

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
    installDiagnosticsOutput();
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
    DesktopCharacterLoader characters(QStringLiteral(":/art/peedy"), [&store] {
        auto engine = std::make_unique<QtSpeechEngine>();
        engine->setVoice(storedVoice(store));
        return engine;
    });
    DesktopShell shell;
    std::unique_ptr<AutoStart> autoStart = makeAutoStart();
    Platform platform{store, windows, messages, characters, shell, *autoStart};
    ClockSeededRandom random;

    Application program(platform, random);
    // Exit ends the process at once; the lock beside the store goes with it, not left stale.
    QObject::connect(&program.commands(), &MenuCommands::exitRequested, [&instance] {
        instance.release();
        std::_Exit(0);
    });
    characters.setSentenceOnBar([&program] { return program.bar().french(); });
    QObject::connect(&instance, &SingleInstance::activationRequested, &program,
                     &Application::activate);
    EndRequests endRequests;
    QObject::connect(&endRequests, &EndRequests::endRequested, &program, &Application::endAsExit,
                     Qt::DirectConnection);
    program.start();
    // What the tray's Voice submenu offers and changes.
    std::unique_ptr<PeedyVoiceChoice> voiceChoice;
    if (PeedyCharacter* peedy = characters.peedy())
        voiceChoice = std::make_unique<PeedyVoiceChoice>(*peedy, store);
    endRequests.watchProcessExit();
    program.startLearnerControls(makeGlobalShortcuts(), voiceChoice.get());
    return app.exec();
}
