// Pictures of the Progress window with made-up reviews and minutes, light and dark, at scale 1
// and 2, for a look by eye: progress_shots <folder>. Run with QT_QPA_PLATFORM=offscreen.
#include "core/learning/learning_modes.h"
#include "core/learning/played_minutes.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_record_files.h"
#include "fakes/fake_settings_store.h"
#include "ui/dialogs/progress_window.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <cstdio>

namespace {

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2e));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x20));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Mid, QColor(0x55, 0x55, 0x5a));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xe0));
    dark.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0xa0));
    return dark;
}

void shoot(QWidget& window, const QString& path, int scale) {
    QImage image(window.size() * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    window.render(&image);
    if (!image.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: progress_shots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    FakeSettingsStore store;
    const auto learning = [&](const char* key, const char* text) {
        store.values[QStringLiteral("%1/%2/%3")
                         .arg(QLatin1String(kSettingsApplication),
                              QLatin1String(LearningKeys::kSection), QLatin1String(key))] =
            QLatin1String(text);
    };
    learning(LearningKeys::kSeen, "10101-10135,10201-10222,10301-10309,10701-10704");
    learning(LearningKeys::kKnown, "10101-10130,10201-10210");
    SettingsRecord settings;
    LearningModes modes(store, settings, [] { return qint64(0); });
    modes.load();

    const QDate today(2026, 12, 3);
    FakeRecordFiles records;
    QRandomGenerator random(7);
    QByteArray played;
    for (int day = 90; day >= 0; --day)
        if (random.bounded(10) < 7)
            played += today.addDays(-day).toString(Qt::ISODate).toLatin1() + ',' +
                      QByteArray::number(random.bounded(95)) + ".0\n";
    records.files[QLatin1String(PlayedMinutes::kFileName)] = played;
    PlayedMinutes minutes(records, [&] { return QDateTime(today, QTime(18, 30)); });
    minutes.load();

    ReviewOutlook outlook;
    const int due[] = {14, 6, 9, 3, 0, 5, 11, 2, 4, 0, 7, 1, 0, 3, 8};
    for (size_t day = 0; day < std::size(due); ++day)
        outlook.duePerDay[day] = due[day];
    outlook.duePerDay[21] = 4, outlook.duePerDay[27] = 2;
    outlook.perTopic.insert(1, {30, 9});
    outlook.perTopic.insert(2, {18, 5});
    outlook.perTopic.insert(7, {4, 0});

    for (const bool dark : {false, true}) {
        if (dark)
            QApplication::setPalette(darkPalette());
        for (const bool reviews : {true, false}) {
            ProgressWindow window(modes);
            window.setPlayedMinutes(&minutes);
            if (reviews)
                window.setReviewOutlookSource([&] { return outlook; });
            window.show();
            QApplication::processEvents();
            const QString name = QStringLiteral("progress-%1-%2")
                                     .arg(dark ? "dark" : "light", reviews ? "reviews" : "none");
            shoot(window, folder.filePath(name + QStringLiteral(".png")), 1);
            shoot(window, folder.filePath(name + QStringLiteral("@2x.png")), 2);
        }
    }
    return 0;
}
