#include "forms/form2.h"

Form2::Form2(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Form2"));
    resize(104, 18); // 1560 x 270 twips
    mnu_file = new QMenu(QStringLiteral("file"), this);
    mnu_file->setObjectName(QStringLiteral("mnu_file"));
    const auto item = [this](const char* name, const QString& caption) {
        QAction* action = mnu_file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    const auto separator = [this](const char* name) {
        QAction* action = mnu_file->addSeparator();
        action->setObjectName(QLatin1String(name));
        return action;
    };
    mnu_sysset = item("mnu_sysset", QStringLiteral("&Settings..."));
    mnu_hlp = item("mnu_hlp", QStringLiteral("&Non Read aloud"));
    mnu_veri = item("mnu_veri", QStringLiteral("&About..."));
    f1 = separator("f1");
    mnu_page = item("mnu_page", QStringLiteral("&Website"));
    mnu_email = item("mnu_email", QStringLiteral("E_&mail"));
    f2 = separator("f2");
    mnu_exit = item("mnu_exit", QStringLiteral("Exit"));
}
