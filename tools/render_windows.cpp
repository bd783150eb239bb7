// Renders every window of the program to PNG files, for looking at the layout:
//   render_windows OUTPUT_FOLDER
#include "about/form4.h"
#include "about/form7.h"
#include "bar/form1.h"
#include "fakes/fake_speech_engine.h"
#include "fakes/fake_window_system.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "forms/value_scroll_bar.h"
#include "platform/character/character_window.h"
#include "platform/character/desktop_agent.h"
#include "platform/character/peedy_character.h"
#include "settings_dialog/form3.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <cstdio>

namespace {
bool save(QWidget& widget, const QString& folder, const char* name) {
    widget.ensurePolished();
    const bool ok = widget.grab().save(QDir(folder).filePath(QLatin1String(name) + ".png"));
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", name);
    return ok;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_windows OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = true;

    FakeWindowSystem windows;
    DesktopAgent agent(QStringLiteral(":/art/peedy"),
                       [] { return std::make_unique<FakeSpeechEngine>(); });
    agent.Characters().Load("Peedy", {});
    Form1 bar(agent, windows);
    ok &= save(bar, folder, "form1-created");
    bar.Get_Windows_Rect();
    bar.setLabel1(QStringLiteral("  Bonjour, madame! Vous allez bien?  "));
    bar.setLabel2Top(60);
    bar.setLabel2(QStringLiteral(" Good morning (Madam)! Are you well?  "));
    ok &= save(bar, folder, "form1-playing");
    bar.setLabel2Top(400);
    bar.setLabel1(QString(20, ' ') + QStringLiteral(" Welcome to use Dorvane V1.01."));
    ok &= save(bar, folder, "form1-welcome");
    bar.setHeight(20);
    bar.drawBottomLine(0x00FF00);
    ok &= save(bar, folder, "form1-collapsed");

    Form2 menuHolder;
    menuHolder.mnu_file->adjustSize();
    ok &= save(*menuHolder.mnu_file, folder, "form2-menu");

    Form3 dialog;
    dialog.Option1[3]->setChecked(true);
    dialog.Option2[1]->setChecked(true);
    dialog.Check1->setChecked(true);
    dialog.Check3->setChecked(true);
    ok &= save(dialog, folder, "form3");

    Form4 splash(bar);
    ok &= save(splash, folder, "form4");
    Form7 about(*bar.Image1);
    ok &= save(about, folder, "form7");

    CharacterWindow peedy(QStringLiteral(":/art/peedy"), PeedyCharacter::frameNames());
    ok &= save(peedy, folder, "peedy-idle");
    peedy.setFrame("talk-2");
    peedy.showBalloon(QStringLiteral("Bonjour, madame! Vous allez bien?  "));
    ok &= save(peedy, folder, "peedy-speaking");
    peedy.hideBalloon();
    peedy.setFrame("wave-3");
    ok &= save(peedy, folder, "peedy-wave");
    peedy.setFrame("idle");
    peedy.setPresence(0.5);
    ok &= save(peedy, folder, "peedy-appearing");
    return ok ? 0 : 1;
}
