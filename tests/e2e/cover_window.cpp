// For the end-to-end checks: a focused always-on-top window across the top of the screen, the
// kind a learner's full-screen program puts over the caption bar. Solid red, so a screenshot
// tells which of the two is in front.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget cover(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    cover.setWindowTitle(QStringLiteral("Cover"));
    cover.setStyleSheet(QStringLiteral("background: #ff0000;"));
    cover.setGeometry(0, 0, 1024, 120);
    cover.show();
    cover.activateWindow();
    return app.exec();
}
