// The Settings dialog and the About window come back at once from a minimise or maximise.
#include "about/form7.h"
#include "settings_dialog/form3.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(DialogWindowState, minimiseMaximiseAndFullScreenAreUndoneAtTheSamePlace) {
    QWidget menuPicture;
    const std::function<std::unique_ptr<QWidget>()> windows[] = {
        [] { return std::make_unique<Form3>(); },
        [&] { return std::make_unique<Form7>(menuPicture); },
    };
    for (const auto& make : windows) {
        for (const Qt::WindowState state :
             {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
            std::unique_ptr<QWidget> window = make();
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            window->move(120, 90);
            window->show();
            const QRect normal = window->geometry();
            window->setWindowState(state);
            QCoreApplication::processEvents();
            const QString what = window->objectName() + " from state " + QString::number(state);
            EXPECT_EQ(window->windowState(), Qt::WindowNoState) << qPrintable(what);
            EXPECT_TRUE(window->isVisible()) << qPrintable(what);
            EXPECT_EQ(window->geometry(), normal) << qPrintable(what);
        }
    }
}

} // namespace
