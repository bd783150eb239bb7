// Remembers what became of the start-with-login entry.
#pragma once

#include "platform/auto_start.h"

#include <QStringList>

class FakeAutoStart : public AutoStart {
public:
    void add(const QString& programPath) override { calls << "add " + programPath; }
    void remove() override { calls << "remove"; }
    QStringList calls;
};
