// The Voice submenu over a fake voice choice.
#include "core/voice/voice_choice.h"
#include "ui/learn/voice_menu.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

struct FakeVoiceChoice : VoiceChoice {
    QStringList voices() const override { return installed; }
    QString currentVoice() const override { return current; }
    QStringList languages() const override { return {"fr"}; }
    void chooseVoice(const QString& name) override { chosen << name; }
    QStringList installed, chosen;
    QString current;
};

// Each entry as "name", "[x] name" when ticked, "(name)" when disabled.
QStringList entries(const QMenu& menu) {
    QStringList shown;
    for (const QAction* action : menu.actions())
        shown << QString(action->isEnabled() ? "%1%2" : "(%1%2)")
                     .arg(action->isChecked() ? "[x] " : "", action->text());
    return shown;
}

TEST(VoiceMenu, listsTheVoicesTicksTheOneInUseFollowsChangesAndAsksForTheOneChosen) {
    FakeVoiceChoice choice;
    VoiceMenu menu(choice);
    EXPECT_EQ(entries(menu), QStringList({"(No French voice yet)"}));
    choice.installed = {"virginie", "French (France)"};
    for (const QString& current : choice.installed) {
        choice.current = current;
        emit choice.voicesChanged();
        EXPECT_EQ(entries(menu).filter("[x] "), QStringList({"[x] " + current}));
    }
    menu.actions().at(0)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(choice.chosen, QStringList({"virginie"}));
}

} // namespace
