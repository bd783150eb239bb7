#include "platform/xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(XdgAutoStart, entryIsAddedRefreshedAndRemovedAndPassesTheValidator) {
    QTemporaryDir dir;
    XdgAutoStart entry(dir.path() + "/autostart");
    entry.add("/opt/dorvane/bin/dorvane");
    const QString first = read(entry.entryPath());
    EXPECT_TRUE(first.contains("\nExec=/opt/dorvane/bin/dorvane\n")) << qPrintable(first);
    EXPECT_TRUE(first.startsWith("[Desktop Entry]\n"));

    entry.add("/home/ana maria/Programs/dorvane");
    const QString moved = read(entry.entryPath());
    EXPECT_TRUE(moved.contains("\nExec=\"/home/ana maria/Programs/dorvane\"\n"))
        << qPrintable(moved);
    EXPECT_EQ(QDir(dir.path() + "/autostart").entryList(QDir::Files).size(), 1)
        << "one entry, no temporary file left beside it";

    QProcess validate;
    validate.start("desktop-file-validate", {entry.entryPath()});
    ASSERT_TRUE(validate.waitForFinished(20000));
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
    EXPECT_EQ(validate.readAllStandardOutput(), QByteArray());

    entry.remove();
    EXPECT_FALSE(QFile::exists(entry.entryPath()));
    entry.remove(); // no entry is no error
}

TEST(XdgAutoStart, pathsWithReservedCharactersAreQuotedAndEscaped) {
    EXPECT_EQ(XdgAutoStart::execValue("/usr/bin/dorvane"), "/usr/bin/dorvane");
    EXPECT_EQ(XdgAutoStart::execValue("/a b/dorvane"), "\"/a b/dorvane\"");
    EXPECT_EQ(XdgAutoStart::execValue("/a$b/dorvane"), "\"/a\\\\$b/dorvane\"");
    EXPECT_EQ(XdgAutoStart::execValue("/a\"b/dorvane"), "\"/a\\\\\"b/dorvane\"");
    EXPECT_EQ(XdgAutoStart::execValue("/a\\b/dorvane"), "\"/a\\\\\\\\b/dorvane\"");
    EXPECT_EQ(XdgAutoStart::execValue("/100%/dorvane"), "/100%%/dorvane");
    EXPECT_EQ(XdgAutoStart::execValue("/Привет/dorvane"), "/Привет/dorvane");
}

TEST(WindowsProgramPath, oneBackslashBetweenFolderAndNameEvenAtADrivesRoot) {
    EXPECT_EQ(windowsProgramPath("C:\\", "dorvane"), "C:\\dorvane.exe");
    EXPECT_EQ(windowsProgramPath("C:\\Program Files\\Dorvane", "dorvane"),
              "C:\\Program Files\\Dorvane\\dorvane.exe");
}

} // namespace
