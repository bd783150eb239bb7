// Whether one of the program's dialogs (the settings dialog or the About window) is open. While
// one is, the bar's menu and the tray's dialog entries wait, and the end of the welcome does not
// start play; the bar's menu picture shows it greyed out.
#pragma once

#include <QObject>

class DialogGate : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void open() { set(true); }
    void close() { set(false); }
    bool isOpen() const { return m_open; }

signals:
    void changed(bool open);

private:
    void set(bool open);

    bool m_open = false;
};
