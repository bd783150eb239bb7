// The modal message box, as a Qt dialog.
#pragma once

#include "platform/message_box.h"

class QtMessageBox : public MessageBox {
public:
    void inform(const QString& caption, const QString& message) override;
};
