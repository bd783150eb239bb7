// The primary screen as it is now, and word of every change to it: screens are resized, plugged
// in and unplugged while the program runs, and the windows on them must stay within reach.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QScreen;

class ScreenWatch : public QObject {
    Q_OBJECT
public:
    explicit ScreenWatch(QObject* parent = nullptr);

    // The primary screen's whole area, and the part of it that panels and docks leave free.
    static QRect screenArea();
    static QRect workArea();

signals:
    // The primary screen's size or work area changed, another screen became the primary, one
    // came or went, or another one changed size.
    void changed();

private:
    void follow(QScreen* screen);
    void followOther(QScreen* screen);

    QPointer<QScreen> m_screen;
};
