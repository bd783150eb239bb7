// Which monitor the bar belongs on: where it was let go, where it was left last time, and where
// it goes when its own is unplugged. The monitors are a plain list, the primary one first.
#pragma once

#include <QHash>
#include <QList>
#include <QRect>
#include <QString>

struct Monitor {
    QString name; // the output's name ("HDMI-1"); may be empty
    QRect area;   // in the virtual desktop, pixels
};

// "HDMI-1 1920x1080+1920+0", the form [Bar] monitor keeps; parsing gives an empty area on text
// of another form.
QString monitorText(const Monitor& monitor);
Monitor monitorFromText(const QString& text);

// The monitor holding the point, or the nearest one to it; -1 only for an empty list.
int monitorAt(const QList<Monitor>& monitors, QPoint point);

// The remembered monitor among those there now: by name first (its resolution may have
// changed), then by its geometry; the primary one (0) when it is not there.
int findMonitor(const QList<Monitor>& monitors, const Monitor& wanted);

// Where the learner left a window on each monitor, by the monitor's name and relative to its
// top-left corner, as [Bar] peedy keeps it: "eDP-1 812,400;HDMI-1 20,300". Entries of another
// form are left out.
QHash<QString, QPoint> placesFromText(const QString& text);
QString placesText(const QHash<QString, QPoint>& places); // by name
