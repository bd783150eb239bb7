// Handing an address to the desktop: a web page to the browser, a mailto: to the mail program.
#pragma once

#include <QString>

class Shell {
public:
    virtual ~Shell() = default;
    // Fails silently when nothing can open the address.
    virtual void open(const QString& address) = 0;
};
