// The lock that lets one copy run per store: beside a store in a file; for a registry key (the
// store on Windows) in the user's application data folder, wherever the program was started.
#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SingleInstanceLock, besideAFileStoreAndInTheUsersAppDataForARegistryKeyWhereverStarted) {
    const QTemporaryDir one, two;
    const QString store = QDir(one.path()).canonicalPath() + "/Vesk.conf";
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const struct {
        QString store, lock;
    } cases[] = {
        {store, store + ".instance.lock"},
        {"\\HKEY_CURRENT_USER\\Software\\Vesk", appData + "/Software-Vesk.instance.lock"},
        {"\\HKEY_CURRENT_USER\\Software\\Dorvane tests\\42\\Vesk",
         appData + "/Software-Dorvane tests-42-Vesk.instance.lock"},
    };
    const QString startedIn = QDir::currentPath();
    for (const auto& c : cases) {
        QStringList serverNames;
        for (const QTemporaryDir* current : {&one, &two}) {
            QDir::setCurrent(current->path()); // on Windows, the drive too
            const SingleInstance instance(c.store);
            EXPECT_EQ(instance.lockPath(), c.lock) << qPrintable(c.store);
            serverNames << instance.serverName();
        }
        EXPECT_EQ(serverNames.at(0), serverNames.at(1)) << qPrintable(c.store);
    }
    QDir::setCurrent(startedIn);
}

} // namespace
