// The Voice submenu: the French voices installed, the one in use ticked; choosing one switches
// to it at once.
#pragma once

#include <QMenu>

class QActionGroup;
class VoiceChoice;

class VoiceMenu : public QMenu {
    Q_OBJECT
public:
    explicit VoiceMenu(VoiceChoice& choice, QWidget* parent = nullptr);

private:
    void rebuild();

    VoiceChoice& m_choice;
    QActionGroup* m_group = nullptr;
};
