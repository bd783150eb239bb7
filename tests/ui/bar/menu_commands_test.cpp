// The popup menu's entries over fake platform services.
#include "support/desktop.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/settings_dialog.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

TEST_F(Desktop, readAloudTogglesOnlyTheCharacter) {
    for (int i = 0; i < 3; ++i)
        menu.readAloudAction()->trigger();
    EXPECT_EQ(characters.peedy.calls, QStringList({"Hide", "Show", "Hide"}));
}

// Exit saves the voice, the bar's place and, in sequence mode with the schedule kept, the
// position, whatever "Save setting while exit" says.
TEST_F(Desktop, exitSavesThenEnds) {
    menu.exitAction()->trigger();
    EXPECT_EQ(store.writes, QStringList({"voice=1", "left=5680"})) << "random order";
    settings.inSequence = 1, settings.saveSettings = 0;
    menu.exitAction()->trigger();
    EXPECT_EQ(store.writes.mid(2), QStringList({"voice=1", "left=5680", "guagen=10207"}));
    EXPECT_FALSE(store.unsynced) << "on the disk before the process ends";
    // Only both switches at exactly 1 keep it: a sequence stored as 2 plays in sequence all the same.
    settings.sequencePosition = 10208;
    for (auto [psave, rd] : {std::pair<int16_t, int16_t>{0, 1}, {2, 1}, {1, 2}}) {
        settings.savePositionOnExit = psave, settings.inSequence = rd;
        menu.exitAction()->trigger();
    }
    EXPECT_EQ(store.values.value("Vesk/French/guagen"), "10207") << "schedule not kept";
    EXPECT_EQ(ended, 5);
}

TEST_F(Desktop, aboutGreysTheMenuOutUntilItClosesHoweverItCloses) {
    for (int way = 0; way < 3; ++way) {
        menu.aboutAction()->trigger();
        EXPECT_FALSE(bar.menuPicture()->isEnabled()) << "the dialog gate is open";
        AboutWindow* about = commands.aboutWindow();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        if (way == 0)
            about->onPictureClicked();
        else if (way == 1)
            QCoreApplication::sendEvent(about, &escape);
        else
            about->close(); // as the window manager would
        EXPECT_TRUE(bar.menuPicture()->isEnabled()) << way;
    }
}

TEST_F(Desktop, aboutLeavesPlaybackAlone) {
    pastTheWelcome();
    menu.aboutAction()->trigger();
    commands.aboutWindow()->close();
    EXPECT_TRUE(cycle.isRunning());
}

} // namespace
