#include "core/playback/dialog_gate.h"

void DialogGate::set(bool open) {
    if (open == m_open)
        return;
    m_open = open;
    emit changed(open);
}
