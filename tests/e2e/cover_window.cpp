// For the end-to-end checks: a solid red always-on-top window across the top of the screen, as
// a learner's own program may put over the caption bar.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget cover(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    cover.setWindowTitle(QStringLiteral("Cover"));
    cover.setStyleSheet(QStringLiteral("background: #ff0000;"));
    cover.setGeometry(0, 0, 1024, 120);
    cover.show();
    return app.exec();
}
