// The Voice submenu over a voice choice the test controls.
#include "platform/voice_choice.h"
#include "tray/voice_menu.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class FakeVoiceChoice : public VoiceChoice {
public:
    QStringList voices() const override { return installed; }
    QString currentVoice() const override { return current; }
    void chooseVoice(const QString& name) override { chosen << name; }

    void announce(const QStringList& names, const QString& inUse) {
        installed = names;
        current = inUse;
        emit voicesChanged();
    }

    QStringList installed;
    QString current;
    QStringList chosen;
};

// Each entry as "name" or "[x] name" when ticked, "(name)" when disabled.
QStringList entries(const QMenu& menu) {
    QStringList shown;
    for (const QAction* action : menu.actions()) {
        QString text = action->text();
        if (action->isChecked())
            text = "[x] " + text;
        if (!action->isEnabled())
            text = "(" + text + ")";
        shown << text;
    }
    return shown;
}

TEST(VoiceMenu, listsTheVoicesTicksTheOneInUseAndFollowsChanges) {
    FakeVoiceChoice choice;
    VoiceMenu menu(choice);
    EXPECT_EQ(entries(menu), QStringList({"(No French voice yet)"}));

    choice.announce({"virginie", "French (France)"}, "virginie");
    EXPECT_EQ(entries(menu), QStringList({"[x] virginie", "French (France)"}));
    choice.announce({"virginie", "French (France)"}, "French (France)");
    EXPECT_EQ(entries(menu), QStringList({"virginie", "[x] French (France)"}));
}

TEST(VoiceMenu, choosingAnEntryAsksForThatVoice) {
    FakeVoiceChoice choice;
    VoiceMenu menu(choice);
    choice.announce({"virginie", "french-mbrola-4", "French (France)"}, "virginie");
    menu.actions().at(1)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(choice.chosen, QStringList({"french-mbrola-4"}));
}

} // namespace
