// Renders every window of the program to PNG files, for looking at the layout:
//   render_windows OUTPUT_FOLDER
#include "about/form4.h"
#include "about/form7.h"
#include "bar/form1.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "learning/learning_modes.h"
#include "platform/character/character_window.h"
#include "platform/character/desktop_agent.h"
#include "platform/character/peedy_character.h"
#include "platform/character/speech_engine.h"
#include "platform/settings_store.h"
#include "platform/window_system.h"
#include "progress/progress_window.h"
#include "settings_dialog/form3.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QRadioButton>
#include <cstdio>

namespace {

// Pictures need no voice.
class SilentEngine : public SpeechEngine {
public:
    void start() override {}
    void setLocale(const QLocale&) override {}
    void setVoice(const QString&) override {}
    void say(const QString&) override {}
    void saySlowly(const QString&) override {}
    void stop() override {}
};

// Progress as a learner some weeks in might have it.
class SampleProgress : public SettingsStore {
public:
    QString read(const QString&, const QString&, const QString& key) const override {
        if (key == QLatin1String("known"))
            return QStringLiteral("10101-10120,10201-10205,10301-10335,10901-10903");
        if (key == QLatin1String("seen"))
            return QStringLiteral("10101-10135,10201-10218,10301-10335,10401-10407,10901-10935");
        return {};
    }
    void write(const QString&, const QString&, const QString&, const QString&) override {}
    void sync() override {}
};

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

    QtWindowSystem windows;
    DesktopAgent agent(":/art/peedy", [] { return std::make_unique<SilentEngine>(); });
    Form1 bar(agent, windows);
    ok &= save(bar, folder, "form1-created");
    bar.Get_Windows_Rect();
    bar.setLabel1(QString(20, ' ') + " Welcome to use Dorvane V1.01.");
    ok &= save(bar, folder, "form1-welcome");
    bar.setLabel1(" Bonjour, madame! Vous allez bien?  ");
    ok &= save(bar, folder, "form1-french");
    bar.setLabel1(" ");
    bar.setLabel2Top(60);
    bar.setLabel2(" Good morning (Madam)! How are you?  ");
    ok &= save(bar, folder, "form1-english");
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
    ok &= save(dialog, folder, "form3");
    Form4 splash(bar);
    ok &= save(splash, folder, "form4");
    Form7 about(*bar.Image1);
    ok &= save(about, folder, "form7");

    CharacterWindow peedy(":/art/peedy", PeedyCharacter::frameNames());
    ok &= save(peedy, folder, "peedy-idle");
    peedy.setFrame("talk-2");
    peedy.showBalloon("Bonjour, madame! Vous allez bien?  ");
    ok &= save(peedy, folder, "peedy-speaking");
    peedy.hideBalloon();
    peedy.setFrame("wave-3");
    ok &= save(peedy, folder, "peedy-wave");

    SampleProgress sample;
    LearningModes learning(sample, [] { return qint64(0); });
    learning.load();
    ProgressWindow progress(learning);
    ok &= save(progress, folder, "progress");
    return ok ? 0 : 1;
}
