#pragma once
// COM-style reference counting for the stand-in objects: Release() frees at zero.
#include "engine/platform/system.h"

namespace platform {

template <class I>
class RefCounted : public I {
public:
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override
    {
        ULONG r = --refs_;
        if (r == 0)
            delete this;
        return r;
    }

protected:
    ULONG refs_ = 1;
};

} // namespace platform
