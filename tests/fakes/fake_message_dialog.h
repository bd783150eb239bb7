// Records the message boxes the program would show.
#pragma once

#include "core/ports/message_dialog.h"

#include <QStringList>

class FakeMessageDialog : public MessageDialog {
public:
    void inform(const QString&, const QString& message) override { shown << message; }
    QStringList shown;
};
