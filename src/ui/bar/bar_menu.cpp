#include "ui/bar/bar_menu.h"

#include <QAction>

BarMenu::BarMenu(QWidget* parent) : QMenu(tr("file"), parent) {
    setObjectName(QStringLiteral("barMenu"));
    const auto item = [this](const char* name, const QString& caption) {
        QAction* action = addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_settingsAction = item("settingsAction", tr("&Settings..."));
    m_readAloudAction = item("readAloudAction", tr("&Non Read aloud"));
    m_aboutAction = item("aboutAction", tr("&About..."));
    addSeparator();
    m_websiteAction = item("websiteAction", tr("&Website"));
    m_emailAction = item("emailAction", tr("E_&mail"));
    addSeparator();
    m_exitAction = item("exitAction", tr("Exit"));

    m_characterShownToggle = new QAction(tr("Read &aloud"), this);
    m_characterShownToggle->setObjectName(QStringLiteral("characterShownToggle"));
    m_characterShownToggle->setCheckable(true);
    m_characterShownToggle->setChecked(true);
    connect(m_readAloudAction, &QAction::triggered, m_characterShownToggle, &QAction::toggle);
    connect(m_characterShownToggle, &QAction::toggled, this, &BarMenu::followReadAloud);
}

// The first caption says the character can be hidden; once toggled the captions alternate
// between the two others.
void BarMenu::followReadAloud(bool on) {
    m_readAloudAction->setText(on ? tr("Non r&ead aloud") : tr("R&ead aloud"));
}

void BarMenu::addLearnMenu(QMenu* learn) {
    const QList<QAction*> entries = actions();
    const int after = int(entries.indexOf(m_aboutAction));
    insertMenu(entries.value(after + 1), learn);
}

void BarMenu::popUpLeftOf(QPoint topRight) {
    exec(topRight - QPoint(sizeHint().width(), 0));
}
