// A modal message box with only an OK button; returns when the user has closed it.
#pragma once

#include <QString>

class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    virtual void inform(const QString& caption, const QString& message) = 0;
};
