// The desktop's own handler for an address: QDesktopServices.
#pragma once

#include "core/ports/shell.h"

class DesktopShell : public Shell {
public:
    void open(const QString& address) override;
};
