// Shared main() of every test program: a throw-away HOME and settings folder (on Windows a
// registry key of its own), so no test ever touches a user's real settings, and the offscreen
// platform for widget tests.
#include "core/logging.h"
#include "platform/native_settings.h"
#include "platform/os_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef DORVANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QCoreApplication;
#endif

namespace {
// Each test sees the program's messages as a fresh process would, repeats included.
class FreshDiagnostics : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { forgetRepeatedDiagnostics(); }
};
} // namespace

int main(int argc, char** argv) {
    // As in the program: a speech daemon that goes away must not take the process with it.
    ignoreBrokenPipes();
    installDiagnosticsOutput(); // the program's own one-line messages, as it writes them
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    const QByteArray root = home.path().toLocal8Bit();
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_RUNTIME_DIR", root + "/run");
    QDir().mkpath(home.path() + QStringLiteral("/run"));
    QFile::setPermissions(home.path() + QStringLiteral("/run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    TestApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       home.path() + QStringLiteral("/.config"));

#ifdef Q_OS_WIN
    // The registry has no HOME to redirect: each run writes under a key named after its process,
    // removed at the end, instead of the user's own HKEY_CURRENT_USER\Software\Vesk.
    const QString testsKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Dorvane tests");
    const QString runName = QString::number(QCoreApplication::applicationPid());
    setNativeSettingsRegistryRoot(testsKey + QLatin1Char('\\') + runName);
#endif

    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshDiagnostics);
    const int result = RUN_ALL_TESTS();
#ifdef Q_OS_WIN
    QSettings(testsKey, QSettings::NativeFormat).remove(runName);
#endif
    return result;
}
