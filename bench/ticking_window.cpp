// The ticking yardstick for bench/run: the empty window plus the unavoidable work of a caption
// bar, a 60 ms and a 100 ms timer each updating a label.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Ticking"));
    window.resize(477, 23);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* fast = new QLabel(&window);
    auto* slow = new QLabel(&window);
    layout->addWidget(fast);
    layout->addWidget(slow);

    int fastTicks = 0;
    int slowTicks = 0;
    QTimer fastTimer;
    QTimer slowTimer;
    QObject::connect(&fastTimer, &QTimer::timeout,
                     [&] { fast->setText(QStringLiteral("fast %1").arg(++fastTicks)); });
    QObject::connect(&slowTimer, &QTimer::timeout,
                     [&] { slow->setText(QStringLiteral("slow %1").arg(++slowTicks)); });
    fastTimer.start(60);
    slowTimer.start(100);
    window.show();
    return app.exec();
}
