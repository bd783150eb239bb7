// The login entry: added, refreshed and removed; for programs in awkwardly named folders one valid
// Exec line that a desktop launches as exactly that program, and no entry for a path no entry can
// hold.
#include "platform/linux/xdg_autostart.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(XdgAutoStart, entryIsAddedRefreshedInPlaceAndRemoved) {
    QTemporaryDir dir;
    XdgAutoStart entry(dir.path() + "/autostart");
    entry.add("/opt/dorvane/dorvane");
    entry.add("/home/ana maria/Programs/dorvane");
    const QString written = readAll(entry.entryPath());
    EXPECT_TRUE(written.contains("\nExec=\"/home/ana maria/Programs/dorvane\"\n"))
        << qPrintable(written);
    EXPECT_EQ(QDir(dir.path() + "/autostart").entryList(QDir::Files).size(), 1)
        << "one entry, no temporary file beside it";
    entry.remove();
    EXPECT_FALSE(QFile::exists(entry.entryPath()));
    entry.remove(); // no entry is no error
    EXPECT_EQ(entry.lastError(), QString());

    EXPECT_EQ(XdgAutoStart::execValue("/100%/dorvane"), "/100%%/dorvane") << "cannot be launched";
}

TEST(XdgAutoStartPaths, awkwardFoldersGiveOneValidLineThatLaunchesExactlyTheProgram) {
    // GLib looks for the program before it turns "%%" into "%", so it cannot launch the last.
    for (const char* folder :
         {"nl\nExec=touch injected\nX-A=", "a\tb\rc", "back\\slash\\",
          "$HOME `id` a;b|c&d>e<f*?#()~", "it's \"quoted\" = x", "Привет école", "100% %f"}) {
        SCOPED_TRACE(folder);
        QTemporaryDir dir;
        const QString program = dir.path() + "/" + QString::fromUtf8(folder) + "/dorvane";
        const QString marker = dir.path() + "/started-as";
        QDir().mkpath(QFileInfo(program).path());
        QFile script(program); // notes the path it was started as
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$0\" > '" + marker.toUtf8() + "'\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);

        XdgAutoStart entry(dir.path() + "/autostart");
        entry.add(program);
        EXPECT_EQ(readAll(entry.entryPath()).count("\nExec="), 1);
        EXPECT_EQ(QProcess::execute("desktop-file-validate", {entry.entryPath()}), 0);
        if (QString::fromUtf8(folder).contains('%'))
            continue;
        ASSERT_EQ(QProcess::execute("gio", {"launch", entry.entryPath()}), 0);
        const QDeadlineTimer deadline(10000);
        while (readAll(marker).isEmpty() && !deadline.hasExpired())
            QThread::msleep(20); // the launched program runs on its own
        EXPECT_EQ(readAll(marker), program);
    }
}

TEST(XdgAutoStartPaths, aPathNotFromUtf8IsRefusedWithAReasonAndTheOldEntryKept) {
    QTemporaryDir dir;
    XdgAutoStart entry(dir.path());
    entry.add("/opt/dorvane/dorvane");
    const QString before = readAll(entry.entryPath());
    entry.add(QFile::decodeName("/opt/caf\xe9/dorvane")); // a Latin-1 folder name
    EXPECT_TRUE(entry.lastError().contains("UTF-8"))
        << "never an empty Exec=: " << qPrintable(entry.lastError());
    EXPECT_EQ(readAll(entry.entryPath()), before);
}

} // namespace
