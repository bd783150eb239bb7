#include "platform/windows/run_key_win32.h"

namespace run_key {

Location loginEntry() {
    return {HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"French"};
}

std::wstring commandFor(const std::wstring& programPath) {
    return L"\"" + programPath + L"\"";
}

bool write(const Location& where, const std::wstring& command) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(where.root, where.subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    // The stored length is in bytes and counts the terminating NUL.
    const DWORD bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    const LONG status = RegSetValueExW(key, where.valueName.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(command.c_str()), bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

std::optional<std::wstring> read(const Location& where) {
    // RegGetValueW adds the NUL a stored string may lack; ask for the size first.
    DWORD bytes = 0;
    if (RegGetValueW(where.root, where.subKey.c_str(), where.valueName.c_str(), RRF_RT_REG_SZ,
                     nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(where.root, where.subKey.c_str(), where.valueName.c_str(), RRF_RT_REG_SZ,
                     nullptr, text.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

bool remove(const Location& where) {
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExW(where.root, where.subKey.c_str(), 0, KEY_SET_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;
    if (opened != ERROR_SUCCESS)
        return false;
    const LONG status = RegDeleteValueW(key, where.valueName.c_str());
    RegCloseKey(key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

} // namespace run_key
