// This program's own path, as the start-with-login entry names it.
#pragma once

#include <QString>

// The running program's full path, in the operating system's own form (linux/, windows/).
QString currentProgramPath();

// The program's path as the Windows entry holds it: the folder, one backslash unless the folder
// already ends in one (a drive's root), the base name and ".exe".
QString windowsProgramPath(const QString& folder, const QString& baseName);
