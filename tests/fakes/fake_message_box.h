// Records the message boxes the program would show.
#pragma once

#include "platform/message_box.h"

#include <QStringList>

class FakeMessageBox : public MessageBox {
public:
    void inform(const QString& caption, const QString& message) override {
        captions << caption;
        messages << message;
    }
    QStringList captions;
    QStringList messages;
};
