// Records the message boxes the program would show.
#pragma once

#include "platform/message_dialog.h"

#include <QStringList>

class FakeMessageDialog : public MessageDialog {
public:
    void inform(const QString& caption, const QString& message) override {
        captions << caption;
        shown << message;
    }
    QStringList captions;
    QStringList shown;
};
