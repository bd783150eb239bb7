// The character's own window: a translucent, frameless, always-on-top window that never takes
// the focus, standing near the bottom-right corner of the screen, with a speech balloon.
#pragma once

#include "platform/screen_watch.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QSvgRenderer>
#include <QWidget>
#include <memory>

class CharacterWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the frames "<folder>/<name>.svg"; problems() lists those that could not be read.
    CharacterWindow(const QString& folder, const QStringList& frameNames);

    const QStringList& problems() const { return m_problems; }

    void setFrame(const QString& name);
    // 0: not there at all, 1: fully there; in between the character pops up from its perch.
    void setPresence(double presence);
    void showBalloon(const QString& text);
    void hideBalloon();

    QString frame() const { return m_frame; }
    QString balloonText() const { return m_balloon; }
    bool balloonShown() const { return !m_balloon.isNull(); }

    // Where the character stands: the bottom-right corner of the work area of the bar's
    // monitor (the primary one at first), where it goes again whenever a screen changes.
    void placeOnScreen();
    // A screen area never to cover (the caption bar): a character standing on it goes back to
    // its corner, and a balloon that would overlap it goes to its side away from it.
    void keepClearOf(const QRect& area);
    // The balloon's place in the window, in its own coordinates.
    QRect balloonRect() const;
    // Where the learner left the character on each monitor, by its name and relative to its
    // top-left corner: it stands there instead of in the corner, unless that covers the bar.
    void setKeptPlaces(const QHash<QString, QPoint>& places);

signals:
    // The learner dragged the character and let go on that monitor, at that place in it.
    void placedByLearner(const QString& monitor, QPoint place);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    const QImage& frameImage(const QString& name);
    QRect characterRect() const;
    QPainterPath balloonPath() const;
    void updateShape();

    QHash<QString, std::shared_ptr<QSvgRenderer>> m_renderers;
    QHash<QString, QImage> m_images; // rendered at the current scale
    QStringList m_problems;
    QString m_frame;
    QString m_balloon; // null while no balloon is shown
    double m_presence = 1.0;
    QPoint m_grab;
    ScreenWatch m_screens;
    QRect m_clearOf;          // screen coordinates; empty when nothing is to be avoided
    QPoint m_placed;          // where the window system really put the window
    QPointer<QScreen> m_home; // the bar's monitor; null for the primary one
    QHash<QString, QPoint> m_kept;
    bool m_dragged = false;
};
