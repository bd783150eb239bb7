// Renders every window of the program to PNG files, for looking at the layout:
//   render_windows OUTPUT_FOLDER
#include "core/learning/learning_modes.h"
#include "core/playback/dialog_gate.h"
#include "core/ports/settings_store.h"
#include "core/ports/speech_engine.h"
#include "core/settings/settings_record.h"
#include "platform/window_system.h"
#include "ui/bar/bar_menu.h"
#include "ui/bar/caption_bar.h"
#include "ui/character/character_window.h"
#include "ui/character/desktop_character_loader.h"
#include "ui/character/peedy_character.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/progress_window.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
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

// The program as a learner first sees it on a 1024 x 768 desktop: the bar on the top edge with a
// French sentence, Peedy reading it in the bottom-right corner. The README shows this picture.
bool saveScene(QWidget& bar, QWidget& peedy, const QString& folder) {
    QImage scene(1024, 768, QImage::Format_RGB32);
    QPainter painter(&scene);
    QLinearGradient desktop(0, 0, 0, scene.height());
    desktop.setColorAt(0, QColor(0x3a, 0x5f, 0x7d));
    desktop.setColorAt(1, QColor(0x1f, 0x33, 0x47));
    painter.fillRect(scene.rect(), desktop);
    painter.drawPixmap((scene.width() - bar.width()) / 2, 0, bar.grab());
    const QPixmap character = peedy.grab();
    painter.drawPixmap(scene.width() - character.width() - 10,
                       scene.height() - character.height() - 10, character);
    painter.end();
    const bool ok = scene.save(QDir(folder).filePath(QStringLiteral("scene.png")));
    std::printf("%s scene\n", ok ? "wrote" : "FAILED");
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
    DialogGate gate;
    const SettingsRecord settings; // as before any load
    CaptionBar bar(windows, settings, gate);
    ok &= save(bar, folder, "bar-created");
    bar.captureBarRect();
    bar.setFrenchLine(QString(20, ' ') + " Welcome to use Dorvane V1.01.");
    ok &= save(bar, folder, "bar-welcome");
    bar.setFrenchLine(" Bonjour, madame! Vous allez bien?  ");
    ok &= save(bar, folder, "bar-french");
    bar.setFrenchLine(" ");
    bar.setEnglishLineTop(60);
    bar.setEnglishLine(" Good morning (Madam)! How are you?  ");
    ok &= save(bar, folder, "bar-english");
    bar.setBarHeight(20);
    bar.drawBottomLine(0x00FF00);
    ok &= save(bar, folder, "bar-collapsed");

    BarMenu menu;
    menu.adjustSize();
    ok &= save(menu, folder, "bar-menu");

    SettingsDialog dialog;
    dialog.topicButtons()[3]->setChecked(true);
    dialog.sequenceButton()->setChecked(true);
    dialog.saveSettingsBox()->setChecked(true);
    ok &= save(dialog, folder, "settings");
    SplashWindow splash;
    ok &= save(splash, folder, "splash");
    AboutWindow about(gate);
    ok &= save(about, folder, "about");

    CharacterWindow peedy(":/art/peedy", PeedyCharacter::frameNames());
    ok &= save(peedy, folder, "peedy-idle");
    peedy.setFrame("talk-2");
    peedy.showBalloon("Bonjour, madame! Vous allez bien?  ");
    ok &= save(peedy, folder, "peedy-speaking");
    DialogGate noDialog;
    CaptionBar sceneBar(windows, settings, noDialog);
    sceneBar.captureBarRect();
    sceneBar.setFrenchLine(" Bonjour, madame! Vous allez bien?  ");
    ok &= saveScene(sceneBar, peedy, folder);
    peedy.hideBalloon();
    peedy.setFrame("wave-3");
    ok &= save(peedy, folder, "peedy-wave");

    SampleProgress sample;
    LearningModes learning(sample, settings, [] { return qint64(0); });
    learning.load();
    ProgressWindow progress(learning);
    ok &= save(progress, folder, "progress");
    return ok ? 0 : 1;
}
