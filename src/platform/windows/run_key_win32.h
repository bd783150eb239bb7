// The login entry in the registry, in plain Win32 and standard C++ so it builds and is tested
// without Qt. Windows only.
#pragma once

#include <optional>
#include <string>
#include <windows.h>

namespace run_key {

// Where the entry lives: a key under a root, and the value's name.
struct Location {
    HKEY root;
    std::wstring subKey;
    std::wstring valueName;
};

// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run, value "French".
Location loginEntry();

// The command the shell runs at login: the path in double quotes, so a folder with blanks
// ("C:\Application Files\...") cannot be read as a shorter program followed by arguments.
std::wstring commandFor(const std::wstring& programPath);

// Creates the key when needed and stores the command as REG_SZ. False when the registry refused.
bool write(const Location& where, const std::wstring& command);
// The stored text, or nothing when the key or the value is missing or not a string.
std::optional<std::wstring> read(const Location& where);
// Removes the value; a missing key or value is no error.
bool remove(const Location& where);

} // namespace run_key
