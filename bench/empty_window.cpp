// The yardstick for bench/run: an empty Qt Widgets window, doing nothing.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(477, 23);
    window.show();
    return app.exec();
}
