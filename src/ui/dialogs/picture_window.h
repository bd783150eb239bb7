// A borderless window filled edge to edge by the product picture (210 x 280 pixels).
#pragma once

#include <QWidget>

class PictureBox;

class PictureWindow : public QWidget {
    Q_OBJECT
public:
    PictureWindow(const char* name, const QColor& background, Qt::WindowFlags flags);

    PictureBox* picture() const { return m_picture; }

    static constexpr int kWidth = 3150;  // twips
    static constexpr int kHeight = 4200; // twips

private:
    PictureBox* m_picture;
};
