#include "platform/run_key_win32.h"

#include <gtest/gtest.h>

namespace {

// Every test writes under a key of this run's own, never the user's Run key.
class RunKeyTest : public ::testing::Test {
protected:
    const std::wstring base = L"Software\\Dorvane tests\\" + std::to_wstring(GetCurrentProcessId());
    const run_key::Location where{HKEY_CURRENT_USER, base + L"\\Run", L"French"};

    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str()); }

    // The value as the registry holds it: its type and its size in bytes.
    std::pair<DWORD, DWORD> stored() const {
        DWORD type = 0;
        DWORD bytes = 0;
        RegGetValueW(where.root, where.subKey.c_str(), where.valueName.c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &bytes);
        return {type, bytes};
    }
};

TEST_F(RunKeyTest, theCommandIsTheQuotedPathAndReadsBackUnchangedInEveryScript) {
    const std::wstring paths[] = {
        L"C:\\dorvane.exe",
        L"C:\\Program Files\\Dorvane\\dorvane.exe",
        L"C:\\Users\\Пётр Zoë\\日本\\😀\\dorvane.exe",
    };
    for (const std::wstring& path : paths) {
        const std::wstring command = run_key::commandFor(path);
        EXPECT_EQ(command, L"\"" + path + L"\"");
        ASSERT_TRUE(run_key::write(where, command));
        EXPECT_EQ(run_key::read(where), command);
        // A string value, UTF-16 and NUL-terminated: not a narrow or cut-off copy.
        EXPECT_EQ(stored(),
                  std::make_pair(DWORD{REG_SZ}, DWORD((command.size() + 1) * sizeof(wchar_t))));
    }
}

TEST_F(RunKeyTest, removingTwiceOrWithoutAKeyIsNoError) {
    EXPECT_TRUE(run_key::remove(where)); // no key yet
    ASSERT_TRUE(run_key::write(where, L"\"C:\\dorvane.exe\""));
    EXPECT_TRUE(run_key::remove(where));
    EXPECT_EQ(run_key::read(where), std::nullopt);
    EXPECT_TRUE(run_key::remove(where)); // key left, value gone
}

TEST_F(RunKeyTest, aMissingOrNonTextValueReadsAsNothing) {
    EXPECT_EQ(run_key::read(where), std::nullopt);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, where.subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExW(key, where.valueName.c_str(), 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    EXPECT_EQ(run_key::read(where), std::nullopt);
}

} // namespace
