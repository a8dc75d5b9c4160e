#pragma once
// State blocks of the state device: which states a block holds (its slots) and
// their values, captured from the device and applied back through its calls.
#include "engine/platform/state_device.h"

#include <vector>

namespace platform {

enum class Slot : uint8_t { Render, Stage, Sampler, Transform, Material, Light, LightEnable, Texture, Fvf, Stream, Viewport };

struct SlotRef {
    Slot slot;
    DWORD a, b;
    bool operator==(const SlotRef& o) const { return slot == o.slot && a == o.a && b == o.b; }
};

class StateBlock : public RefCounted<IDirect3DStateBlock9> {
public:
    explicit StateBlock(StateDevice* d);
    ~StateBlock() override;

    // Adds the slot to the block (once).
    void touch(SlotRef r);
    DeviceState& values() { return values_; }
    void setTexture(DWORD stage, IDirect3DBaseTexture9* t);
    void setStream(IDirect3DVertexBuffer9* b);
    // Every slot, captured now (CreateStateBlock).
    void captureAll();

    HRESULT Capture() override;
    // Applies through the device's public calls, so every backend sees them.
    HRESULT Apply() override;

private:
    StateDevice* device_;
    DeviceState values_;
    std::vector<SlotRef> slots_;
};

} // namespace platform
