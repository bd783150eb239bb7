// Records the message boxes the program would show.
#pragma once

#include "core/ports/message_dialog.h"

#include <QStringList>

class FakeMessageDialog : public MessageDialog {
public:
    void inform(const QString&, const QString& message) override { shown << message; }
    bool confirm(const QString&, const QString& question) override {
        shown << question;
        return answer;
    }
    QStringList shown;
    bool answer = true;
};
