// The program's path as the Windows login entry holds it, built from Qt's parts of it.
#include "platform/program_path.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsProgramPath, oneBackslashBetweenFolderAndProgramAlsoAtADrivesRoot) {
    EXPECT_EQ(windowsProgramPath("C:\\", "dorvane"), "C:\\dorvane.exe");
    EXPECT_EQ(windowsProgramPath("C:\\Apps", "dorvane"), "C:\\Apps\\dorvane.exe");
}

} // namespace
