// Windows: the login entry is the value "French" under the per-user Run key (run_key_win32.h).
#include "platform/os_services.h"
#include "platform/program_path.h"
#include "platform/windows/run_key_win32.h"

namespace {

class RunKeyAutoStart : public AutoStart {
public:
    void add(const QString& programPath) override {
        // UTF-16 throughout, so a path outside the ANSI code page (a Cyrillic user name, say)
        // stays intact.
        run_key::write(run_key::loginEntry(), run_key::commandFor(programPath.toStdWString()));
    }
    void remove() override { run_key::remove(run_key::loginEntry()); }
};

} // namespace

std::unique_ptr<AutoStart> makeAutoStart() {
    return std::make_unique<RunKeyAutoStart>();
}
