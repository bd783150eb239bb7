#include "platform/process_identity.h"

#include <cwchar>
#include <string>
#include <windows.h>

namespace {

// A file system may keep a file's time in steps of two seconds.
constexpr std::int64_t kSlackMsecs = 2000;

std::wstring fileName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ownExecutableName() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return fileName(path);
}

// The process's executable's file name, or nothing when it cannot be read.
std::wstring executableName(HANDLE process) {
    std::wstring path(32768, L'\0');
    DWORD size = DWORD(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &size))
        return {};
    path.resize(size);
    return fileName(path);
}

// FILETIME counts 100 ns from 1601.
std::int64_t msecsSinceEpoch(const FILETIME& time) {
    const ULONGLONG ticks = (ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return std::int64_t(ticks / 10000) - 11644473600000LL;
}

struct ProcessHandle {
    HANDLE handle;
    ~ProcessHandle() {
        if (handle)
            CloseHandle(handle);
    }
};

} // namespace

ProcessMatch matchProcess(std::int64_t pid, std::int64_t writtenMsecsSinceEpoch) {
    if (pid <= 0 || pid > 0xffffffffLL)
        return ProcessMatch::Gone;
    const ProcessHandle process{OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid))};
    if (!process.handle)
        return GetLastError() == ERROR_ACCESS_DENIED ? ProcessMatch::OtherProgram
                                                     : ProcessMatch::Gone;
    DWORD exitCode = 0;
    if (GetExitCodeProcess(process.handle, &exitCode) && exitCode != STILL_ACTIVE)
        return ProcessMatch::Gone;
    const std::wstring name = executableName(process.handle);
    if (name.empty() || _wcsicmp(name.c_str(), ownExecutableName().c_str()) != 0)
        return ProcessMatch::OtherProgram;
    FILETIME created{}, exited{}, kernel{}, user{};
    if (GetProcessTimes(process.handle, &created, &exited, &kernel, &user) &&
        msecsSinceEpoch(created) > writtenMsecsSinceEpoch + kSlackMsecs)
        return ProcessMatch::StartedLater;
    return ProcessMatch::ThisProgram;
}
