// The program at its edges: failed saves, ends other than Exit, and a second start, which finds
// the first by its settings store however the path is spelt or the environment differs; stale or
// unmakeable locks never keep the program from starting, nor let a second copy in.
#include "platform/single_instance.h"
#include "settings_dialog/form3.h"
#include "support/desktop.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

class ProgramEdges : public ProgramOnFakes {
protected:
    void SetUp() override { Settings = {1, 2, 3, 5, 1, 1, 1, 0, 1, 1, 10207, 0, 1, 150, "1"}; }
};

TEST_F(ProgramEdges, failedSavesAreToldOnceWhenTheDialogClosesAndNeverHoldUpAnEnd) {
    store.failure = "Vesk.conf could not be saved: its folder is read-only";
    autoStart.failure = "dorvane.desktop could not be written";
    program.commands().mnu_sysset_Click();
    program.commands().settingsDialog()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown, QStringList({"Your settings were not saved.\n\n" + autoStart.failure +
                                           "\n\n" + store.failure}));
    program.commands().endProcess = [] {};
    program.endAsExit(); // a signal, the session's end, the display gone
    EXPECT_EQ(messages.shown.size(), 1) << "no window holds the end up";
}

TEST_F(ProgramEdges, aSecondStartBringsTheBarForwardOnceItShows) {
    program.Form_Load(); // the splash shows, the bar is still hidden
    program.activate();
    EXPECT_EQ(windows.broughtToFront, QList<bool>()) << "a hidden bar cannot come forward yet";
    program.bar().setVisible(true);
    program.activate();
    program.bar().setVisible(false);
    program.bar().setVisible(true);
    EXPECT_EQ(windows.broughtToFront, QList<bool>({true, true})) << "once per start, when shown";
}

TEST(SingleInstance, aSecondStartOnTheSameStoreBringsTheFirstForwardAndEnds) {
    QTemporaryDir dir;
    SingleInstance first(dir.path() + "/Vesk.conf");
    ASSERT_TRUE(first.acquire());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    SingleInstance second(dir.path() + "/./Vesk.conf");
    EXPECT_FALSE(second.acquire());
    qputenv("XDG_RUNTIME_DIR", runtime);
    QCoreApplication::processEvents();
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(SingleInstance(dir.path() + "/Other.conf").acquire()) << "another store";
}

TEST(SingleInstance, aSilentLockHolderIsStaleAndAnUnmakeableLockLeavesTheSocketToGuard) {
    QTemporaryDir dir;
    // A live process (this one) holds the lock but does not answer, as when an id is reused.
    QLockFile silent(SingleInstance(dir.path() + "/Vesk.conf").lockPath());
    ASSERT_TRUE(silent.tryLock(0));
    // A file where the store's folder should be: no lock can be made there, even by root.
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));

    for (const QString& store : {dir.path() + "/Vesk.conf", dir.path() + "/file/Vesk.conf"}) {
        SCOPED_TRACE(qPrintable(store));
        SingleInstance starting(store);
        EXPECT_TRUE(starting.acquire());
        EXPECT_FALSE(SingleInstance(store).acquire()) << "the copy that started now answers";
    }
}

} // namespace
