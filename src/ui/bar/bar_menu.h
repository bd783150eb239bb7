// The bar's popup menu: Settings..., the read-aloud toggle, About..., Website, E-mail and Exit.
#pragma once

#include <QMenu>

class QAction;

class BarMenu : public QMenu {
    Q_OBJECT
public:
    explicit BarMenu(QWidget* parent = nullptr);

    QAction* settingsAction() const { return m_settingsAction; }
    // The menu entry whose caption tells what choosing it will do; choosing it flips
    // characterShownToggle().
    QAction* readAloudAction() const { return m_readAloudAction; }
    QAction* aboutAction() const { return m_aboutAction; }
    QAction* websiteAction() const { return m_websiteAction; }
    QAction* emailAction() const { return m_emailAction; }
    QAction* exitAction() const { return m_exitAction; }

    // Checked while the character is shown (it starts shown); other menus may show it.
    QAction* characterShownToggle() const { return m_characterShownToggle; }

    // Adds the learner's submenu after About...; the described entries keep their order.
    void addLearnMenu(QMenu* learn);

    // Opens the menu with its top right corner at the given screen point, and returns once it
    // has closed.
    void popUpLeftOf(QPoint topRight);

private:
    void followReadAloud(bool on);

    QAction* m_settingsAction;
    QAction* m_readAloudAction;
    QAction* m_aboutAction;
    QAction* m_websiteAction;
    QAction* m_emailAction;
    QAction* m_exitAction;
    QAction* m_characterShownToggle;
};
