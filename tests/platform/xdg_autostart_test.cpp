#include "platform/xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(XdgAutoStart, entryIsAddedRefreshedAndRemovedAndPassesTheValidator) {
    QTemporaryDir dir;
    XdgAutoStart entry(dir.path() + "/autostart");
    entry.add("/opt/dorvane/dorvane");
    entry.add("/home/ana maria/Programs/dorvane");
    QFile file(entry.entryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString contents = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(contents.contains("\nExec=\"/home/ana maria/Programs/dorvane\"\n"));
    EXPECT_EQ(QDir(dir.path() + "/autostart").entryList(QDir::Files).size(), 1)
        << "one entry, no temporary file beside it";

    QProcess validate;
    validate.start("desktop-file-validate", {entry.entryPath()});
    ASSERT_TRUE(validate.waitForFinished(20000));
    EXPECT_EQ(validate.exitCode(), 0);
    EXPECT_EQ(validate.readAllStandardOutput(), QByteArray());

    entry.remove();
    EXPECT_FALSE(QFile::exists(entry.entryPath()));
    entry.remove(); // no entry is no error
}

TEST(XdgAutoStart, pathsWithReservedCharactersAreQuotedAndEscaped) {
    EXPECT_EQ(XdgAutoStart::execValue("/usr/bin/dorvane"), "/usr/bin/dorvane");
    EXPECT_EQ(XdgAutoStart::execValue("/a$b/dorvane"), "\"/a\\\\$b/dorvane\"");
    EXPECT_EQ(XdgAutoStart::execValue("/a\"b/dorvane"), "\"/a\\\\\"b/dorvane\"");
    EXPECT_EQ(XdgAutoStart::execValue("/a\\b/dorvane"), "\"/a\\\\\\\\b/dorvane\"");
    EXPECT_EQ(XdgAutoStart::execValue("/100%/dorvane"), "/100%%/dorvane");
    EXPECT_EQ(XdgAutoStart::execValue("/Привет/dorvane"), "/Привет/dorvane");
}

TEST(WindowsProgramPath, oneBackslashBetweenFolderAndNameEvenAtADrivesRoot) {
    EXPECT_EQ(windowsProgramPath("C:\\", "dorvane"), "C:\\dorvane.exe");
    EXPECT_EQ(windowsProgramPath("C:\\Apps\\Dorvane", "dorvane"), "C:\\Apps\\Dorvane\\dorvane.exe");
}

} // namespace
