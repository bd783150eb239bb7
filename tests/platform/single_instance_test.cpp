// One copy per settings store, however the path is spelt or the environment differs; stale or
// unmakeable locks never keep the program from starting, nor let a second copy in.
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, aSecondStartOnTheSameStoreBringsTheFirstForwardAndEnds) {
    QTemporaryDir dir;
    SingleInstance first(dir.path() + "/Vesk.conf");
    ASSERT_TRUE(first.acquire());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    SingleInstance second(dir.path() + "/./Vesk.conf");
    EXPECT_FALSE(second.acquire());
    qputenv("XDG_RUNTIME_DIR", runtime);
    QCoreApplication::processEvents();
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(SingleInstance(dir.path() + "/Other.conf").acquire()) << "another store";
}

TEST(SingleInstance, aSilentLockHolderIsStaleAndAnUnmakeableLockLeavesTheSocketToGuard) {
    QTemporaryDir dir;
    // A live process (this one) holds the lock but does not answer, as when an id is reused.
    QLockFile silent(SingleInstance(dir.path() + "/Vesk.conf").lockPath());
    ASSERT_TRUE(silent.tryLock(0));
    // A file where the store's folder should be: no lock can be made there, even by root.
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));

    for (const QString& store : {dir.path() + "/Vesk.conf", dir.path() + "/file/Vesk.conf"}) {
        SCOPED_TRACE(qPrintable(store));
        SingleInstance starting(store);
        EXPECT_TRUE(starting.acquire());
        EXPECT_FALSE(SingleInstance(store).acquire()) << "the copy that started now answers";
    }
}

} // namespace
