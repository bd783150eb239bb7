// The running copy's hold on its store, without a lock or a socket: the test says whether the
// store is still this copy's and emits the requests of later starts itself.
#pragma once

#include "core/ports/instance_guard.h"

class FakeInstanceGuard : public InstanceGuard {
public:
    bool maySave() const override { return storeIsOurs; }
    void release() override { released = true; }

    bool storeIsOurs = true;
    bool released = false;
};
