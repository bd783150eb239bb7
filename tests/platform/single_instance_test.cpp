// One copy per settings store: later copies find the running one, stale or unmakeable locks
// do not keep the program from starting, and the environment does not split one store in two.
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void deliverEvents() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

TEST(SingleInstance, aSecondCopyOnTheSameStoreBringsTheFirstForwardAndEnds) {
    QTemporaryDir dir;
    const QString store = dir.path() + "/Vesk.conf";
    SingleInstance first(store);
    ASSERT_TRUE(first.acquire());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    // The second start may see the store through another spelling of its path.
    SingleInstance second(dir.path() + "/./Vesk.conf");
    EXPECT_FALSE(second.acquire());
    deliverEvents();
    EXPECT_EQ(activations, 1);

    SingleInstance otherStore(dir.path() + "/Other.conf");
    EXPECT_TRUE(otherStore.acquire()) << "another store has a copy of its own";
}

TEST(SingleInstance, theRuntimeFolderAndHomeDoNotSplitOneStore) {
    QTemporaryDir dir;
    const QString store = dir.path() + "/Vesk.conf";
    SingleInstance first(store);
    ASSERT_TRUE(first.acquire());
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray home = qgetenv("HOME");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("HOME", dir.path().toUtf8());
    SingleInstance second(store);
    const bool secondRuns = second.acquire();
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("HOME", home);
    EXPECT_FALSE(secondRuns);
}

TEST(SingleInstance, aLockWhoseHolderDoesNotAnswerIsStaleAndTakenOver) {
    QTemporaryDir dir;
    const QString store = dir.path() + "/Vesk.conf";
    SingleInstance probe(store);
    // A live process holds the lock (this one: its id names a running program) but no copy
    // listens for this store, as when a process id is reused.
    QLockFile foreign(probe.lockPath());
    ASSERT_TRUE(foreign.tryLock(0));

    SingleInstance starting(store);
    EXPECT_TRUE(starting.acquire());
    SingleInstance later(store);
    EXPECT_FALSE(later.acquire()) << "the copy that took over now answers";
}

TEST(SingleInstance, withoutALockTheSocketAloneKeepsASecondCopyAway) {
    QTemporaryDir dir;
    // A file where the store's folder should be: no lock can be made there, even by root.
    QFile blocker(dir.path() + "/config");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString store = dir.path() + "/config/Vesk.conf";

    SingleInstance first(store);
    EXPECT_TRUE(first.acquire());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });
    SingleInstance second(store);
    EXPECT_FALSE(second.acquire());
    deliverEvents();
    EXPECT_EQ(activations, 1);
}

} // namespace
