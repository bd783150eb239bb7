#include "ui/learn/voice_menu.h"

#include "core/voice/voice_choice.h"

#include <QActionGroup>

VoiceMenu::VoiceMenu(VoiceChoice& choice, QWidget* parent)
    : QMenu(tr("Vo&ice"), parent), m_choice(choice) {
    connect(&m_choice, &VoiceChoice::voicesChanged, this, &VoiceMenu::rebuild);
    rebuild();
}

void VoiceMenu::rebuild() {
    clear();
    delete m_group;
    m_group = nullptr;
    const QStringList voices = m_choice.voices();
    if (voices.isEmpty()) {
        // Before the engine is up, or when it has no French voice.
        addAction(tr("No French voice yet"))->setEnabled(false);
        return;
    }
    m_group = new QActionGroup(this);
    m_group->setExclusive(true);
    const QString current = m_choice.currentVoice();
    for (const QString& name : voices) {
        QAction* action = addAction(name);
        action->setCheckable(true);
        action->setChecked(name == current);
        action->setActionGroup(m_group);
        // Queued: the choice rebuilds this menu, which must not happen inside the click.
        connect(
            action, &QAction::triggered, this, [this, name] { m_choice.chooseVoice(name); },
            Qt::QueuedConnection);
    }
}
