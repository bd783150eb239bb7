// Form2: never shown; it owns the bar's popup menu.
#pragma once

#include <QAction>
#include <QMenu>
#include <QWidget>

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    QMenu* mnu_file;
    QAction* mnu_sysset;
    QAction* mnu_hlp; // the read-aloud toggle; its caption is its state
    QAction* mnu_veri;
    QAction* f1;
    QAction* mnu_page;
    QAction* mnu_email;
    QAction* f2;
    QAction* mnu_exit;
};
