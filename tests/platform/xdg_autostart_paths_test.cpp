// The login entry for programs in awkwardly named folders: one valid Exec line that a desktop
// launches as exactly that program, never as anything else.
#include "platform/xdg_autostart.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct AwkwardFolder {
    const char* what;
    const char* name;
    // GLib checks that the program exists before it expands "%%" to "%", so it cannot start a
    // correct entry for a folder with a '%' in its name.
    bool glibCanLaunch = true;
};

const AwkwardFolder kFolders[] = {
    {"plain", "bin"},
    {"a line break injecting a command", "nl\nExec=touch injected\nX-A="},
    {"a tab", "a\tb"},
    {"a carriage return", "a\rb"},
    {"a backslash", "back\\slash"},
    {"a trailing backslash", "end\\"},
    {"shell characters", "$HOME `id` a;b|c&d>e<f*?#()~"},
    {"quotes", "it's \"quoted\""},
    {"a field code", "100% %f", false},
    {"an equals sign and spaces", "key = value"},
    {"letters outside ASCII", "Привет école"},
};

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Runs a command, giving its exit code and printed output.
int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return -1;
    if (output)
        *output = process.readAll();
    return process.exitCode();
}

TEST(XdgAutoStartPaths, everyAwkwardFolderGivesOneValidLineThatLaunchesExactlyTheProgram) {
    for (const AwkwardFolder& folder : kFolders) {
        SCOPED_TRACE(folder.what);
        QTemporaryDir dir;
        const QString programFolder = dir.path() + "/" + QString::fromUtf8(folder.name);
        ASSERT_TRUE(QDir().mkpath(programFolder));
        // The "program" notes the path it was started as, and nothing else.
        const QString program = programFolder + "/dorvane";
        const QString marker = dir.path() + "/started-as";
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$0\" > '" + marker.toUtf8() + "'\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);

        XdgAutoStart entry(dir.path() + "/autostart");
        entry.add(program);
        EXPECT_EQ(entry.lastError(), QString());
        const QString contents = readAll(entry.entryPath());
        EXPECT_EQ(contents.count("\nExec="), 1) << qPrintable(contents);
        EXPECT_FALSE(contents.contains('\r') || contents.contains('\t'));

        QByteArray complaints;
        EXPECT_EQ(run("desktop-file-validate", {entry.entryPath()}, &complaints), 0);
        EXPECT_EQ(complaints, QByteArray());

        if (!folder.glibCanLaunch)
            continue;
        ASSERT_EQ(run("gio", {"launch", entry.entryPath()}), 0);
        const QDeadlineTimer deadline(10000);
        while (!QFile::exists(marker) && !deadline.hasExpired())
            QThread::msleep(20); // the launched program runs on its own
        QThread::msleep(50);     // and finishes writing
        EXPECT_EQ(readAll(marker), program);
        EXPECT_EQ(QDir(dir.path()).entryList({"injected"}, QDir::Files), QStringList());
    }
}

TEST(XdgAutoStartPaths, aPathThatWasNotUtf8IsRefusedWithAReasonAndTheOldEntryKept) {
    QTemporaryDir dir;
    XdgAutoStart entry(dir.path());
    entry.add("/opt/dorvane/dorvane");
    const QString before = readAll(entry.entryPath());

    // How a folder named with a Latin-1 byte reaches the program on a UTF-8 system.
    entry.add(QFile::decodeName("/opt/caf\xe9/dorvane"));
    EXPECT_TRUE(entry.lastError().contains("UTF-8")) << qPrintable(entry.lastError());
    EXPECT_TRUE(entry.lastError().contains(entry.entryPath()));
    EXPECT_EQ(readAll(entry.entryPath()), before);

    entry.add(QString());
    EXPECT_FALSE(entry.lastError().isEmpty()) << "never an empty Exec=";
    EXPECT_EQ(readAll(entry.entryPath()), before);
}

TEST(XdgAutoStartPaths, anEntryThatCannotBeWrittenOrRemovedSaysWhy) {
    QTemporaryDir dir;
    // A file where the autostart folder should be stops even a root user.
    QFile blocker(dir.path() + "/autostart");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    XdgAutoStart entry(dir.path() + "/autostart");
    entry.add("/opt/dorvane/dorvane");
    EXPECT_TRUE(entry.lastError().contains(entry.entryPath())) << qPrintable(entry.lastError());
    entry.remove();
    EXPECT_EQ(entry.lastError(), QString()) << "no entry is no error";

    XdgAutoStart fine(dir.path() + "/fine");
    fine.add("/opt/dorvane/dorvane");
    EXPECT_EQ(fine.lastError(), QString()) << "a success clears the failure";
}

} // namespace
