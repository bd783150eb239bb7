// Where QSettings keeps an application's settings in the native format: the file
// ~/.config/<application>.conf on Linux (linux/native_settings_linux.cpp), the registry key
// HKEY_CURRENT_USER\Software\<application> on Windows (windows/native_settings_win.cpp).
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

std::unique_ptr<QSettings> openNativeSettings(const QString& application);

// Whether they are a file, which QSettings writes only while it holds a lock file beside it.
bool nativeSettingsInAFile();

// Windows: the registry key that holds every application's key, HKEY_CURRENT_USER\Software
// unless a test program points it at a key of its own before any store is opened. Linux keeps
// files, which QSettings::setPath moves: nothing to do there.
void setNativeSettingsRegistryRoot(const QString& key);
