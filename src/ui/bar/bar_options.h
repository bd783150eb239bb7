// The learner's choices of how the bar sits on the desktop, as Learn menu entries: its width, its
// text size and whether the top strip is kept for it; with the monitor it was left on, each kept
// in [Bar] the moment it changes and put back at the next start.
#pragma once

#include "core/settings/bar_settings.h"

#include <QList>
#include <QObject>
#include <functional>

class CaptionBar;
class QAction;
class QMenu;
class SettingsStore;

class BarOptions : public QObject {
    Q_OBJECT
public:
    // Reads the stored choices and applies them to the bar at once.
    BarOptions(CaptionBar& bar, SettingsStore& store, QObject* parent = nullptr);
    ~BarOptions() override;

    // The "Bar width" and "Text size" submenus' entries, then "Keep the top strip for the bar".
    QList<QAction*> entries() const;

private:
    // A submenu of one stored choice, its stored value ticked and applied.
    QMenu* choiceMenu(const QString& title, const BarKeys::Choice& choice,
                      const QStringList& captions, std::function<void(int)> apply);
    void keepStrip(bool keep);

    CaptionBar& m_bar;
    SettingsStore& m_store;
    QList<QMenu*> m_menus;
    QAction* m_reserve;
};
