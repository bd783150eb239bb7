#include "platform/windows/run_key_win32.h"

#include <gtest/gtest.h>

namespace {

// Every test writes under a key of this run's own, never the user's Run key.
class RunKeyTest : public ::testing::Test {
protected:
    const std::wstring base = L"Software\\Dorvane tests\\" + std::to_wstring(GetCurrentProcessId());
    const run_key::Location where{HKEY_CURRENT_USER, base + L"\\Run", L"French"};

    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str()); }
};

TEST_F(RunKeyTest, theQuotedPathReadsBackUnchangedInEveryScriptAsAWholeUtf16String) {
    for (const std::wstring path :
         {L"C:\\dorvane.exe", L"C:\\Application Files\\Dorvane\\dorvane.exe",
          L"C:\\Users\\Пётр Zoë\\日本\\😀\\dorvane.exe"}) {
        const std::wstring command = run_key::commandFor(path);
        EXPECT_EQ(command, L"\"" + path + L"\"");
        ASSERT_TRUE(run_key::write(where, command));
        EXPECT_EQ(run_key::read(where), command);
        DWORD type = 0, bytes = 0; // a REG_SZ with its NUL, not a narrow or cut-off copy
        RegGetValueW(where.root, where.subKey.c_str(), where.valueName.c_str(), RRF_RT_ANY, &type,
                     nullptr, &bytes);
        EXPECT_EQ(type, DWORD{REG_SZ});
        EXPECT_EQ(bytes, (command.size() + 1) * sizeof(wchar_t));
    }
}

TEST_F(RunKeyTest, aMissingValueReadsAsNothingAndRemovingThemIsNoError) {
    EXPECT_EQ(run_key::read(where), std::nullopt);
    EXPECT_TRUE(run_key::remove(where)); // no key yet
    ASSERT_TRUE(run_key::write(where, L"\"C:\\dorvane.exe\""));
    EXPECT_TRUE(run_key::remove(where));
    EXPECT_EQ(run_key::read(where), std::nullopt);
    EXPECT_TRUE(run_key::remove(where)); // key left, value gone
}

} // namespace
