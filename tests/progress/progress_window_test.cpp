// The learning modes inside the program, their menu entries and their progress window.
#include "content/dialogue_table.h"
#include "support/desktop.h"
#include "tray/learning_menu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace {

using Learning = ProgramOnFakes;

TEST_F(Learning, knownSentencesArePassedMarkingMovesOnAndProgressUpdatesWithoutTakingTheFocus) {
    Settings = SettingsRecord{};
    for (auto [key, value] : {std::pair{"xxx", "1"}, {"rd", "1"}, {"guage", "1"}})
        store.seed(key, value);
    store.values["Vesk/Learning/known"] = "10101";
    store.values["Vesk/Learning/seen"] = "10101-10120,10301-10335";
    program.Form_Load(); // the sequence starts at 11000, in topic 1: 10101
    LearningModes& modes = program.learning();

    EXPECT_EQ(modes.currentSentence(), 10102) << "the known first sentence is passed";
    QWidget work;
    work.show();
    QMenu menu;
    QAction* exit = menu.addAction("Exit");
    const auto entries = addLearningEntries(menu, exit, modes, [&] { program.showProgress(); });
    EXPECT_EQ(menu.actions().indexOf(exit), 4) << "the entries go before the given one";
    entries.progress->trigger();
    ProgressWindow& window = *program.progressWindow();
    EXPECT_EQ(window.figures(1)->text(), "20 seen, 1 known");
    work.activateWindow();
    QApplication::processEvents();
    QWidget* const active = QApplication::activeWindow();

    program.bar().timers.Timer5.setEnabled(true);
    gintStartCount = 1; // the welcome is over
    entries.knowThisOne->trigger();
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101-10102");
    EXPECT_EQ(program.bar().mstrFrench, DialogueTable::builtIn().lookup(10103)) << "moved on";
    EXPECT_EQ(window.bar(1)->known(), 2);
    EXPECT_EQ(QApplication::activeWindow(), active);

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible()) << "Esc closes it";
}

} // namespace
