// Where the lock that lets one copy run per settings store lives.
#pragma once

#include <QString>

// storeLocation: where the store lives, as QSettings names it: a file's path, or on Windows a
// registry key such as "\HKEY_CURRENT_USER\Software\Vesk". A file has its lock beside it. A
// key is no folder (taken as one, it would put the lock at the root of whatever drive the
// program started from), so its lock goes into the user's own application data folder.
QString lockPathFor(const QString& storeLocation);
