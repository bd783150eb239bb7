#include "ui/bar/bar_options.h"

#include "ui/bar/caption_bar.h"

#include <QActionGroup>
#include <QMenu>

BarOptions::BarOptions(CaptionBar& bar, SettingsStore& store, QObject* parent)
    : QObject(parent), m_bar(bar), m_store(store),
      m_reserve(new QAction(tr("Keep the top strip for the &bar"), this)) {
    m_bar.setRememberedMonitor(monitorFromText(readBarText(store, BarKeys::kMonitor)));
    m_menus << choiceMenu(tr("Bar wi&dth"), BarKeys::kWidth,
                          {tr("&Normal"), tr("W&ide"), tr("W&hole width")},
                          [this](int choice) { m_bar.setWidthChoice(choice); });
    m_menus << choiceMenu(tr("Te&xt size"), BarKeys::kTextSize,
                          {tr("&Normal"), tr("&Large"), tr("La&rger")},
                          [this](int choice) { m_bar.setTextSize(choice); });

    m_reserve->setObjectName(QStringLiteral("keepTopStrip"));
    m_reserve->setCheckable(true);
    const bool reserve = readBarChoice(store, BarKeys::kReserve) == 1;
    m_reserve->setChecked(reserve);
    m_bar.setReserve(reserve);
    connect(m_reserve, &QAction::toggled, this, &BarOptions::keepStrip);
    connect(&bar, &CaptionBar::monitorChosen, this, [this](const Monitor& monitor) {
        writeBarText(m_store, BarKeys::kMonitor, monitorText(monitor));
    });
}

BarOptions::~BarOptions() {
    qDeleteAll(m_menus);
}

QMenu* BarOptions::choiceMenu(const QString& title, const BarKeys::Choice& choice,
                              const QStringList& captions, std::function<void(int)> apply) {
    auto* menu = new QMenu(title);
    menu->setObjectName(QLatin1String(choice.key));
    auto* group = new QActionGroup(menu);
    const int stored = readBarChoice(m_store, choice);
    for (int value = 0; value <= choice.last; ++value) {
        QAction* action = menu->addAction(captions.value(value));
        action->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(choice.key)).arg(value));
        action->setCheckable(true);
        action->setChecked(value == stored);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice, value, apply] {
            if (readBarChoice(m_store, choice) == value)
                return;
            apply(value);
            writeBarChoice(m_store, choice, value);
        });
    }
    // Normal is how the bar is made: nothing to apply.
    if (stored != 0)
        apply(stored);
    return menu;
}

QList<QAction*> BarOptions::entries() const {
    QList<QAction*> entries;
    for (QMenu* menu : m_menus)
        entries << menu->menuAction();
    return entries << m_reserve;
}

void BarOptions::keepStrip(bool keep) {
    m_bar.setReserve(keep);
    writeBarChoice(m_store, BarKeys::kReserve, keep ? 1 : 0);
}
