#include "engine/platform/state_blocks.h"

namespace platform {

StateBlock::StateBlock(StateDevice* d) : device_(d)
{
    resetDeviceState(values_, 0, 0);
}

StateBlock::~StateBlock()
{
    for (auto* t : values_.texture)
        if (t)
            t->Release();
    if (values_.stream)
        values_.stream->Release();
}

void StateBlock::touch(SlotRef r)
{
    for (const auto& s : slots_)
        if (s == r)
            return;
    slots_.push_back(r);
}

void StateBlock::setTexture(DWORD stage, IDirect3DBaseTexture9* t)
{
    if (t)
        t->AddRef();
    if (values_.texture[stage])
        values_.texture[stage]->Release();
    values_.texture[stage] = t;
}

void StateBlock::setStream(IDirect3DVertexBuffer9* b)
{
    if (b)
        b->AddRef();
    if (values_.stream)
        values_.stream->Release();
    values_.stream = b;
}

void StateBlock::captureAll()
{
    for (DWORD i = 0; i < kRenderStates; ++i)
        touch({Slot::Render, i, 0});
    for (DWORD st = 0; st < kMaxStages; ++st) {
        for (DWORD i = 1; i < kStageStates; ++i)
            touch({Slot::Stage, st, i});
        for (DWORD i = 1; i < kSamplerStates; ++i)
            touch({Slot::Sampler, st, i});
        touch({Slot::Texture, st, 0});
    }
    touch({Slot::Transform, D3DTS_WORLD, 0});
    touch({Slot::Transform, D3DTS_VIEW, 0});
    touch({Slot::Transform, D3DTS_PROJECTION, 0});
    touch({Slot::Material, 0, 0});
    for (DWORD i = 0; i < kMaxLights; ++i) {
        touch({Slot::Light, i, 0});
        touch({Slot::LightEnable, i, 0});
    }
    touch({Slot::Fvf, 0, 0});
    touch({Slot::Stream, 0, 0});
    touch({Slot::Viewport, 0, 0});
    Capture();
}

HRESULT StateBlock::Capture()
{
    const DeviceState& s = device_->state_;
    for (const auto& r : slots_) {
        switch (r.slot) {
        case Slot::Render: values_.renderState[r.a] = s.renderState[r.a]; break;
        case Slot::Stage: values_.stageState[r.a][r.b] = s.stageState[r.a][r.b]; break;
        case Slot::Sampler: values_.samplerState[r.a][r.b] = s.samplerState[r.a][r.b]; break;
        case Slot::Transform:
            device_->GetTransform(D3DTRANSFORMSTATETYPE(r.a), r.a == D3DTS_WORLD ? &values_.world
                                                              : r.a == D3DTS_VIEW ? &values_.view
                                                                                  : &values_.projection);
            break;
        case Slot::Material: values_.material = s.material; break;
        case Slot::Light: values_.light[r.a] = s.light[r.a]; break;
        case Slot::LightEnable: values_.lightEnabled[r.a] = s.lightEnabled[r.a]; break;
        case Slot::Texture: setTexture(r.a, s.texture[r.a]); break;
        case Slot::Fvf: values_.fvf = s.fvf; break;
        case Slot::Stream:
            setStream(s.stream);
            values_.streamOffset = s.streamOffset;
            values_.streamStride = s.streamStride;
            break;
        case Slot::Viewport: values_.viewport = s.viewport; break;
        }
    }
    return D3D_OK;
}

HRESULT StateBlock::Apply()
{
    IDirect3DDevice9* d = device_;
    for (const auto& r : slots_) {
        switch (r.slot) {
        case Slot::Render: d->SetRenderState(D3DRENDERSTATETYPE(r.a), values_.renderState[r.a]); break;
        case Slot::Stage:
            d->SetTextureStageState(r.a, D3DTEXTURESTAGESTATETYPE(r.b), values_.stageState[r.a][r.b]);
            break;
        case Slot::Sampler:
            d->SetSamplerState(r.a, D3DSAMPLERSTATETYPE(r.b), values_.samplerState[r.a][r.b]);
            break;
        case Slot::Transform:
            d->SetTransform(D3DTRANSFORMSTATETYPE(r.a), r.a == D3DTS_WORLD ? &values_.world
                                                        : r.a == D3DTS_VIEW ? &values_.view
                                                                            : &values_.projection);
            break;
        case Slot::Material: d->SetMaterial(&values_.material); break;
        case Slot::Light: d->SetLight(r.a, &values_.light[r.a]); break;
        case Slot::LightEnable: d->LightEnable(r.a, values_.lightEnabled[r.a]); break;
        case Slot::Texture: d->SetTexture(r.a, values_.texture[r.a]); break;
        case Slot::Fvf: d->SetFVF(values_.fvf); break;
        case Slot::Stream: d->SetStreamSource(0, values_.stream, values_.streamOffset, values_.streamStride); break;
        case Slot::Viewport: d->SetViewport(&values_.viewport); break;
        }
    }
    return D3D_OK;
}

HRESULT StateDevice::CreateStateBlock(D3DSTATEBLOCKTYPE, IDirect3DStateBlock9** out)
{
    if (!out || recording_)
        return D3DERR_INVALIDCALL;
    auto* b = new StateBlock(this);
    b->captureAll();
    *out = b;
    return D3D_OK;
}

HRESULT StateDevice::BeginStateBlock()
{
    if (recording_)
        return D3DERR_INVALIDCALL;
    recording_ = new StateBlock(this);
    return D3D_OK;
}

HRESULT StateDevice::EndStateBlock(IDirect3DStateBlock9** out)
{
    if (!out || !recording_)
        return D3DERR_INVALIDCALL;
    *out = recording_;
    recording_ = nullptr;
    return D3D_OK;
}

} // namespace platform
