// An image control: a picture drawn to fill the control (inside an optional one-pixel flat
// border), reporting pointer movement and clicks. A disabled picture receives neither.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <optional>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QString& resource, bool flatBorder, QWidget* parent = nullptr);

    // The watch, every 100 ms after a report: a pointer seen off the picture may arrive again.
    void checkPointerStillHere();

signals:
    void hovered();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void movedTo(QPoint global);

    QPixmap m_picture;
    bool m_flatBorder;
    // Where the last reported movement ended; cleared when the pointer really leaves.
    std::optional<QPoint> m_reportedAt;
    QTimer m_pointerWatch;
};
