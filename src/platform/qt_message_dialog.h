// The modal message box, as a Qt dialog.
#pragma once

#include "core/ports/message_dialog.h"

class QtMessageDialog : public MessageDialog {
public:
    void inform(const QString& caption, const QString& message) override;
    bool confirm(const QString& caption, const QString& question) override;
};
