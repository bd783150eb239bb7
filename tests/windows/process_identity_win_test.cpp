// Whether a lock's process id still names the copy that wrote it: Windows gives ids out again
// soon, to any program.
#include "platform/process_identity.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

std::int64_t nowMsecs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// A process started suspended, ended with the test.
struct Child {
    PROCESS_INFORMATION info{};
    explicit Child(std::wstring program) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        program.insert(0, 1, L'"').append(L"\"");
        if (!CreateProcessW(nullptr, program.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                            nullptr, nullptr, &startup, &info))
            info = {};
    }
    void end() {
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
    }
    ~Child() {
        end();
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

std::wstring ownPath() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return path;
}

TEST(ProcessIdentity, aCopyStartedBeforeTheLockIsThisProgramAnyOtherProcessIsNot) {
    const std::int64_t beforeChildren = nowMsecs() - 5000;
    Child copy(ownPath());
    std::wstring cmd(MAX_PATH, L'\0');
    cmd.resize(GetSystemDirectoryW(cmd.data(), MAX_PATH));
    Child other(cmd + L"\\cmd.exe");
    ASSERT_NE(copy.info.dwProcessId, 0u);
    ASSERT_NE(other.info.dwProcessId, 0u);

    EXPECT_EQ(matchProcess(copy.info.dwProcessId, nowMsecs()), ProcessMatch::ThisProgram);
    EXPECT_EQ(matchProcess(copy.info.dwProcessId, beforeChildren), ProcessMatch::StartedLater);
    EXPECT_EQ(matchProcess(other.info.dwProcessId, nowMsecs()), ProcessMatch::OtherProgram);
    copy.end();
    EXPECT_EQ(matchProcess(copy.info.dwProcessId, nowMsecs()), ProcessMatch::Gone)
        << "ended, though a handle to it is still open";
    EXPECT_EQ(matchProcess(0, nowMsecs()), ProcessMatch::Gone);
}

} // namespace
