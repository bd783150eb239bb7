// Remembers what became of the start-with-login entry.
#pragma once

#include "core/ports/auto_start.h"

#include <QStringList>

class FakeAutoStart : public AutoStart {
public:
    void add(const QString& programPath) override {
        calls << "add " + programPath;
        m_lastError = failure;
    }
    void remove() override {
        calls << "remove";
        m_lastError = failure;
    }
    QStringList calls;
    QString failure; // what every call leaves in lastError()
};
