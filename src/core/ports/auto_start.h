// The entry that starts the program when the user logs in: Windows keeps it under the per-user
// Run key, Linux desktops as an XDG autostart desktop entry.
#pragma once

#include <QString>

class AutoStart {
public:
    virtual ~AutoStart() = default;
    // Adds the entry, or points it at this program's current path.
    virtual void add(const QString& programPath) = 0;
    // Removes the entry; no entry is no error.
    virtual void remove() = 0;

    // Why the last add() or remove() changed nothing, naming the entry; empty when it worked.
    QString lastError() const { return m_lastError; }

protected:
    QString m_lastError;
};
