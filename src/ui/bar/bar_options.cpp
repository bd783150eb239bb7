#include "ui/bar/bar_options.h"

#include "core/settings/bar_settings.h"
#include "ui/bar/caption_bar.h"

#include <QActionGroup>
#include <QMenu>

BarOptions::BarOptions(CaptionBar& bar, SettingsStore& store, QObject* parent)
    : QObject(parent), m_bar(bar), m_store(store), m_widthMenu(new QMenu(tr("Bar &width"))),
      m_widths(new QActionGroup(this)),
      m_reserve(new QAction(tr("&Keep the top strip for the bar"), this)) {
    m_widthMenu->setObjectName(QStringLiteral("barWidthMenu"));
    const QString captions[] = {tr("&Normal"), tr("W&ide"), tr("W&hole width")};
    for (int choice = 0; choice <= BarKeys::kWidth.last; ++choice) {
        QAction* action = m_widthMenu->addAction(captions[choice]);
        action->setObjectName(QStringLiteral("barWidth%1").arg(choice));
        action->setCheckable(true);
        m_widths->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { chooseWidth(choice); });
    }
    m_reserve->setObjectName(QStringLiteral("keepTopStrip"));
    m_reserve->setCheckable(true);

    m_bar.setRememberedMonitor(monitorFromText(readBarText(store, BarKeys::kMonitor)));
    const int width = readBarChoice(store, BarKeys::kWidth);
    m_widths->actions().at(width)->setChecked(true);
    if (width != 0)
        m_bar.setWidthChoice(width);
    const bool reserve = readBarChoice(store, BarKeys::kReserve) == 1;
    m_reserve->setChecked(reserve);
    m_bar.setReserve(reserve);
    connect(m_reserve, &QAction::toggled, this, &BarOptions::keepStrip);
    connect(&bar, &CaptionBar::monitorChosen, this, [this](const Monitor& monitor) {
        writeBarText(m_store, BarKeys::kMonitor, monitorText(monitor));
    });
}

BarOptions::~BarOptions() {
    delete m_widthMenu;
}

QList<QAction*> BarOptions::entries() const {
    return {m_widthMenu->menuAction(), m_reserve};
}

void BarOptions::chooseWidth(int choice) {
    if (choice == m_bar.widthChoice())
        return;
    m_bar.setWidthChoice(choice);
    writeBarChoice(m_store, BarKeys::kWidth, choice);
}

void BarOptions::keepStrip(bool keep) {
    m_bar.setReserve(keep);
    writeBarChoice(m_store, BarKeys::kReserve, keep ? 1 : 0);
}
