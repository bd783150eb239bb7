// The learner's choices of how the bar sits on the desktop, as Learn menu entries: its width and
// whether the top strip is kept for it; with the monitor it was left on, each kept in [Bar] the
// moment it changes and put back at the next start.
#pragma once

#include <QList>
#include <QObject>

class CaptionBar;
class QAction;
class QActionGroup;
class QMenu;
class SettingsStore;

class BarOptions : public QObject {
    Q_OBJECT
public:
    // Reads the stored choices and applies them to the bar at once.
    BarOptions(CaptionBar& bar, SettingsStore& store, QObject* parent = nullptr);
    ~BarOptions() override;

    // The "Bar width" submenu's entry and "Keep the top strip for the bar", in that order.
    QList<QAction*> entries() const;
    QMenu* widthMenu() const { return m_widthMenu; }
    QAction* reserveAction() const { return m_reserve; }

private:
    void chooseWidth(int choice);
    void keepStrip(bool keep);

    CaptionBar& m_bar;
    SettingsStore& m_store;
    QMenu* m_widthMenu;
    QActionGroup* m_widths;
    QAction* m_reserve;
};
