// What reaches the running program from outside it: later starts on its store (over the fake
// of the lock and socket) and ends the system asks for (the port EndRequests implements).
#include "core/ports/end_signals.h"
#include "fakes/fake_instance_guard.h"
#include "support/desktop.h"

namespace {

class RequestsFromOutside : public ::testing::Test, protected FakePlatform {
protected:
    void SetUp() override {
        program.endOn(ends);
        QObject::connect(&program.commands(), &MenuCommands::exitRequested, [this] { ++ended; });
    }

    FakeInstanceGuard instance;
    EndSignals ends;
    Application program{platform, settings, random, playback, &instance};
    int ended = 0;
};

// Heard from the process's exit (the display gone), the request gets no event loop to wait in.
TEST_F(RequestsFromOutside, anEndTheSystemAsksForSavesAsExitDoesThenEndsAtOnce) {
    emit ends.endRequested();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(store.writes.contains("left=" + QString::number(program.bar().leftTwips())))
        << qPrintable(store.writes.join(' '));
    EXPECT_FALSE(store.unsynced) << "on the disk before the end";
}

TEST_F(RequestsFromOutside, aCopyWhoseStoreAnotherCopyTookOverEndsWithoutSaving) {
    instance.storeIsOurs = false;
    emit ends.endRequested();
    EXPECT_EQ(store.writes, QStringList());
    EXPECT_EQ(ended, 1);
}

TEST_F(RequestsFromOutside, aLaterStartBringsTheBarForwardAndHandsOverTheLearnersCommand) {
    program.bar().setVisible(true);
    emit instance.activationRequested();
    EXPECT_EQ(windows.broughtToFront, QList<bool>({true}));
    emit instance.commandReceived("progress");
    EXPECT_NE(program.progressWindow(), nullptr);
}

} // namespace
