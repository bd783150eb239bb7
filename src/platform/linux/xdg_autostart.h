// Linux: a desktop entry in the XDG autostart folder (~/.config/autostart) starts the program
// at login.
#pragma once

#include "core/ports/auto_start.h"

class XdgAutoStart : public AutoStart {
public:
    // folder: where the entry goes; by default the user's autostart folder.
    explicit XdgAutoStart(QString folder = defaultFolder());

    void add(const QString& programPath) override;
    void remove() override;

    QString entryPath() const;
    static QString defaultFolder();
    // The Exec= value that runs exactly the program at that path, on one line: the argument
    // quoted, then escaped as a desktop entry's string.
    static QString execValue(const QString& programPath);
    // A path a desktop entry can hold: valid Unicode that came from valid UTF-8.
    static bool isWritablePath(const QString& programPath);

private:
    QString m_folder;
};
