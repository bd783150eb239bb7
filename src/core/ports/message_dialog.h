// Modal message boxes; each returns when the user has closed it.
#pragma once

#include <QString>

class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    // Only an OK button.
    virtual void inform(const QString& caption, const QString& message) = 0;
    // Yes and No, No the default; true for Yes.
    virtual bool confirm(const QString& caption, const QString& question) = 0;
};
