#include "platform/process_identity.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// The clock of /proc/stat's boot time is whole seconds, and a file system may keep a file's
// time coarser still.
constexpr std::int64_t kSlackMsecs = 2000;

// The executable's file name; a binary replaced while it runs reads "name (deleted)".
std::string executableName(const std::string& link) {
    char target[PATH_MAX];
    const ssize_t size = ::readlink(link.c_str(), target, sizeof target - 1);
    if (size <= 0)
        return {};
    std::string path(target, std::size_t(size));
    const std::string deleted = " (deleted)";
    if (path.size() > deleted.size() &&
        path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
        path.resize(path.size() - deleted.size());
    return path.substr(path.rfind('/') + 1);
}

// When the process started, in milliseconds since 1970, or -1 when it cannot be read.
std::int64_t startedAt(std::int64_t pid) {
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The command name in parentheses may hold blanks and parentheses of its own.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        return -1;
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    // Field 22, the start in clock ticks after boot, comes 20th after the name (field 2).
    for (int i = 0; i < 19 && fields >> field; ++i) {
    }
    unsigned long long ticks = 0;
    if (!(fields >> ticks))
        return -1;
    std::ifstream system("/proc/stat");
    std::string key;
    long long bootSeconds = -1;
    while (system >> key)
        if (key == "btime" && (system >> bootSeconds))
            break;
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (bootSeconds < 0 || ticksPerSecond <= 0)
        return -1;
    return bootSeconds * 1000 + std::int64_t(ticks * 1000 / std::uint64_t(ticksPerSecond));
}

} // namespace

ProcessMatch matchProcess(std::int64_t pid, std::int64_t writtenMsecsSinceEpoch) {
    if (pid <= 0 || pid > INT_MAX)
        return ProcessMatch::Gone;
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return ProcessMatch::Gone;
    // Another user's process cannot be looked into, and no copy of this user's.
    const std::string name = executableName("/proc/" + std::to_string(pid) + "/exe");
    if (name.empty() || name != executableName("/proc/self/exe"))
        return ProcessMatch::OtherProgram;
    const std::int64_t started = startedAt(pid);
    if (started >= 0 && started > writtenMsecsSinceEpoch + kSlackMsecs)
        return ProcessMatch::StartedLater;
    return ProcessMatch::ThisProgram;
}
