// Windows: the value "French" under
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run.
#include "platform/auto_start.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <windows.h>

namespace {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kValueName[] = L"French";

// The wide-character registry calls keep a path outside the ANSI code page (a Cyrillic user
// name, say) intact.
class RunKeyAutoStart : public AutoStart {
public:
    void add(const QString& programPath) override {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            return;
        const std::wstring data = programPath.toStdWString();
        // The stored length counts the terminating NUL.
        const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
        RegSetValueExW(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       bytes);
        RegCloseKey(key);
    }

    void remove() override {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
            return;
        RegDeleteValueW(key, kValueName);
        RegCloseKey(key);
    }
};

} // namespace

std::unique_ptr<AutoStart> makeAutoStart() {
    return std::make_unique<RunKeyAutoStart>();
}
