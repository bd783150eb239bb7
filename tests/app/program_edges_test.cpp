// The program at its edges: failed saves, ends other than Exit, and a second start.
#include "settings_dialog/form3.h"
#include "support/desktop.h"

#include <QCoreApplication>

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

    int ended = 0;
    program.commands().endProcess = [&] { ++ended; };
    store.writes.clear();
    program.endAsExit(); // a signal, the session's end, the display gone
    EXPECT_EQ(store.writes.mid(0, 3), QStringList({"voice=1", "left=0", "guagen=10207"}));
    EXPECT_EQ(ended, 1);
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

} // namespace
