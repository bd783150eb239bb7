#include "core/playback/monitor_choice.h"

#include <QRegularExpression>
#include <limits>

QString monitorText(const Monitor& monitor) {
    const QRect& a = monitor.area;
    return QStringLiteral("%1 %2x%3%4%5%6%7")
        .arg(monitor.name)
        .arg(a.width())
        .arg(a.height())
        .arg(a.x() < 0 ? QString() : QStringLiteral("+"))
        .arg(a.x())
        .arg(a.y() < 0 ? QString() : QStringLiteral("+"))
        .arg(a.y())
        .trimmed();
}

Monitor monitorFromText(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(.*?)\\s*(\\d+)x(\\d+)([+-]\\d+)([+-]\\d+)$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return {text.trimmed(), {}};
    return {match.captured(1), QRect(match.captured(4).toInt(), match.captured(5).toInt(),
                                     match.captured(2).toInt(), match.captured(3).toInt())};
}

int monitorAt(const QList<Monitor>& monitors, QPoint point) {
    int nearest = -1;
    long long best = std::numeric_limits<long long>::max();
    for (int i = 0; i < monitors.size(); ++i) {
        const QRect& area = monitors[i].area;
        if (area.contains(point))
            return i;
        const long long dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
        const long long dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = i;
        }
    }
    return nearest;
}

int findMonitor(const QList<Monitor>& monitors, const Monitor& wanted) {
    if (!wanted.name.isEmpty())
        for (int i = 0; i < monitors.size(); ++i)
            if (monitors[i].name == wanted.name)
                return i;
    if (!wanted.area.isEmpty())
        for (int i = 0; i < monitors.size(); ++i)
            if (monitors[i].area == wanted.area)
                return i;
    return 0;
}

QHash<QString, QPoint> placesFromText(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\S+) (-?\\d+),(-?\\d+)$"));
    QHash<QString, QPoint> places;
    for (const QString& entry : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = form.match(entry.trimmed());
        if (match.hasMatch())
            places.insert(match.captured(1),
                          QPoint(match.captured(2).toInt(), match.captured(3).toInt()));
    }
    return places;
}

QString placesText(const QHash<QString, QPoint>& places) {
    QStringList names = places.keys();
    names.sort();
    QStringList entries;
    for (const QString& name : std::as_const(names))
        entries << QStringLiteral("%1 %2,%3").arg(name).arg(places[name].x()).arg(places[name].y());
    return entries.join(QLatin1Char(';'));
}
