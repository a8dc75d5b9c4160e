// The state device's state: the Direct3D defaults, the Set and Get calls (into
// the state block that records, while one does) and draws resolved to memory.
#include "engine/platform/state_device.h"
#include "engine/platform/state_blocks.h"

#include <cstring>

namespace platform {

static D3DMATRIX identity()
{
    D3DMATRIX m;
    std::memset(&m, 0, sizeof m);
    m._11 = m._22 = m._33 = m._44 = 1.0f;
    return m;
}

static bool validRenderState(DWORD s) { return s < kRenderStates; }
static bool validStage(DWORD stage) { return stage < kMaxStages; }

void resetDeviceState(DeviceState& s, UINT width, UINT height)
{
    std::memset(&s, 0, sizeof s);
    DWORD* rs = s.renderState;
    rs[D3DRS_ZENABLE] = D3DZB_TRUE;
    rs[D3DRS_FILLMODE] = D3DFILL_SOLID;
    rs[D3DRS_SHADEMODE] = 2;
    rs[D3DRS_ZWRITEENABLE] = TRUE;
    rs[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    rs[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    rs[D3DRS_CULLMODE] = D3DCULL_CCW;
    rs[D3DRS_ZFUNC] = D3DCMP_LESSEQUAL;
    rs[D3DRS_ALPHAFUNC] = D3DCMP_ALWAYS;
    rs[D3DRS_CLIPPING] = TRUE;
    rs[D3DRS_LIGHTING] = TRUE;
    rs[D3DRS_COLORVERTEX] = TRUE;
    rs[D3DRS_LOCALVIEWER] = TRUE;
    rs[D3DRS_DIFFUSEMATERIALSOURCE] = D3DMCS_COLOR1;
    rs[D3DRS_SPECULARMATERIALSOURCE] = D3DMCS_COLOR2;
    rs[D3DRS_COLORWRITEENABLE] = 0xF;
    rs[D3DRS_BLENDOP] = 1;
    for (int i = 0; i < kMaxStages; ++i) {
        DWORD* ts = s.stageState[i];
        ts[D3DTSS_COLOROP] = i == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
        ts[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
        ts[D3DTSS_COLORARG2] = D3DTA_CURRENT;
        ts[D3DTSS_ALPHAOP] = i == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
        ts[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
        ts[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
        ts[D3DTSS_TEXCOORDINDEX] = DWORD(i);
        DWORD* ss = s.samplerState[i];
        ss[D3DSAMP_ADDRESSU] = D3DTADDRESS_WRAP;
        ss[D3DSAMP_ADDRESSV] = D3DTADDRESS_WRAP;
        ss[D3DSAMP_MAGFILTER] = D3DTEXF_POINT;
        ss[D3DSAMP_MINFILTER] = D3DTEXF_POINT;
        ss[D3DSAMP_MIPFILTER] = D3DTEXF_NONE;
    }
    s.world = s.view = s.projection = identity();
    s.material.Diffuse = D3DCOLORVALUE{1, 1, 1, 1};
    s.viewport = D3DVIEWPORT9{0, 0, width, height, 0.0f, 1.0f};
}

UINT verticesForPrimitives(D3DPRIMITIVETYPE type, UINT n)
{
    switch (type) {
    case D3DPT_POINTLIST: return n;
    case D3DPT_LINELIST: return n * 2;
    case D3DPT_LINESTRIP: return n == 0 ? 0 : n + 1;
    case D3DPT_TRIANGLELIST: return n * 3;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN: return n == 0 ? 0 : n + 2;
    }
    return 0;
}

StateDevice::StateDevice(const D3DPRESENT_PARAMETERS& params) : params_(params)
{
    resetDeviceState(state_, params.BackBufferWidth, params.BackBufferHeight);
}

StateDevice::~StateDevice()
{
    if (recording_)
        recording_->Release();
    for (auto* t : state_.texture)
        if (t)
            t->Release();
    if (state_.stream)
        state_.stream->Release();
    for (MemTexture* t : textures_)
        t->owner = nullptr;
}

HRESULT StateDevice::Reset(D3DPRESENT_PARAMETERS* params)
{
    if (!params)
        return D3DERR_INVALIDCALL;
    params_ = *params;
    for (auto*& t : state_.texture)
        if (t) {
            t->Release();
            t = nullptr;
        }
    if (state_.stream)
        state_.stream->Release();
    resetDeviceState(state_, params_.BackBufferWidth, params_.BackBufferHeight);
    return D3D_OK;
}

HRESULT StateDevice::GetDeviceCaps(D3DCAPS9* caps)
{
    if (!caps)
        return D3DERR_INVALIDCALL;
    std::memset(caps, 0, sizeof *caps);
    caps->DeviceType = D3DDEVTYPE_HAL;
    caps->MaxTextureWidth = 4096;
    caps->MaxTextureHeight = 4096;
    caps->MaxActiveLights = kMaxLights;
    caps->MaxSimultaneousTextures = kMaxStages;
    caps->MaxPrimitiveCount = 0xFFFFF;
    caps->MaxStreams = 1;
    caps->MaxStreamStride = 255;
    return D3D_OK;
}

HRESULT StateDevice::BeginScene()
{
    if (inScene_)
        return D3DERR_INVALIDCALL;
    inScene_ = true;
    return D3D_OK;
}

HRESULT StateDevice::EndScene()
{
    if (!inScene_)
        return D3DERR_INVALIDCALL;
    inScene_ = false;
    return D3D_OK;
}

// While a state block records, the Set calls go into it, not into the device.
#define RECORD_OR_APPLY(ref, field, value) \
    do {                                   \
        if (recording_) {                  \
            recording_->touch(ref);        \
            recording_->values().field = value; \
        } else {                           \
            state_.field = value;          \
        }                                  \
    } while (0)

HRESULT StateDevice::SetRenderState(D3DRENDERSTATETYPE s, DWORD v)
{
    if (!validRenderState(s))
        return D3DERR_INVALIDCALL;
    RECORD_OR_APPLY((SlotRef{Slot::Render, DWORD(s), 0}), renderState[s], v);
    return D3D_OK;
}

HRESULT StateDevice::GetRenderState(D3DRENDERSTATETYPE s, DWORD* v)
{
    if (!validRenderState(s) || !v)
        return D3DERR_INVALIDCALL;
    *v = state_.renderState[s];
    return D3D_OK;
}

HRESULT StateDevice::SetTextureStageState(DWORD st, D3DTEXTURESTAGESTATETYPE t, DWORD v)
{
    if (!validStage(st) || DWORD(t) >= kStageStates)
        return D3DERR_INVALIDCALL;
    RECORD_OR_APPLY((SlotRef{Slot::Stage, st, DWORD(t)}), stageState[st][t], v);
    return D3D_OK;
}

HRESULT StateDevice::GetTextureStageState(DWORD st, D3DTEXTURESTAGESTATETYPE t, DWORD* v)
{
    if (!validStage(st) || DWORD(t) >= kStageStates || !v)
        return D3DERR_INVALIDCALL;
    *v = state_.stageState[st][t];
    return D3D_OK;
}

HRESULT StateDevice::SetSamplerState(DWORD st, D3DSAMPLERSTATETYPE t, DWORD v)
{
    if (!validStage(st) || DWORD(t) >= kSamplerStates)
        return D3DERR_INVALIDCALL;
    RECORD_OR_APPLY((SlotRef{Slot::Sampler, st, DWORD(t)}), samplerState[st][t], v);
    return D3D_OK;
}

HRESULT StateDevice::GetSamplerState(DWORD st, D3DSAMPLERSTATETYPE t, DWORD* v)
{
    if (!validStage(st) || DWORD(t) >= kSamplerStates || !v)
        return D3DERR_INVALIDCALL;
    *v = state_.samplerState[st][t];
    return D3D_OK;
}

HRESULT StateDevice::SetTransform(D3DTRANSFORMSTATETYPE s, const D3DMATRIX* m)
{
    if (!m)
        return D3DERR_INVALIDCALL;
    switch (s) {
    case D3DTS_WORLD: RECORD_OR_APPLY((SlotRef{Slot::Transform, DWORD(s), 0}), world, *m); break;
    case D3DTS_VIEW: RECORD_OR_APPLY((SlotRef{Slot::Transform, DWORD(s), 0}), view, *m); break;
    case D3DTS_PROJECTION: RECORD_OR_APPLY((SlotRef{Slot::Transform, DWORD(s), 0}), projection, *m); break;
    default: break; // texture transforms are never used
    }
    return D3D_OK;
}

HRESULT StateDevice::GetTransform(D3DTRANSFORMSTATETYPE s, D3DMATRIX* m)
{
    if (!m)
        return D3DERR_INVALIDCALL;
    switch (s) {
    case D3DTS_WORLD: *m = state_.world; break;
    case D3DTS_VIEW: *m = state_.view; break;
    case D3DTS_PROJECTION: *m = state_.projection; break;
    default: *m = identity(); break;
    }
    return D3D_OK;
}

HRESULT StateDevice::SetViewport(const D3DVIEWPORT9* vp)
{
    if (!vp)
        return D3DERR_INVALIDCALL;
    RECORD_OR_APPLY((SlotRef{Slot::Viewport, 0, 0}), viewport, *vp);
    return D3D_OK;
}

HRESULT StateDevice::GetViewport(D3DVIEWPORT9* vp)
{
    if (!vp)
        return D3DERR_INVALIDCALL;
    *vp = state_.viewport;
    return D3D_OK;
}

HRESULT StateDevice::SetMaterial(const D3DMATERIAL9* m)
{
    if (!m)
        return D3DERR_INVALIDCALL;
    RECORD_OR_APPLY((SlotRef{Slot::Material, 0, 0}), material, *m);
    return D3D_OK;
}

HRESULT StateDevice::GetMaterial(D3DMATERIAL9* m)
{
    if (!m)
        return D3DERR_INVALIDCALL;
    *m = state_.material;
    return D3D_OK;
}

HRESULT StateDevice::SetLight(DWORD i, const D3DLIGHT9* l)
{
    if (i >= kMaxLights || !l)
        return D3DERR_INVALIDCALL;
    RECORD_OR_APPLY((SlotRef{Slot::Light, i, 0}), light[i], *l);
    return D3D_OK;
}

HRESULT StateDevice::GetLight(DWORD i, D3DLIGHT9* l)
{
    if (i >= kMaxLights || !l)
        return D3DERR_INVALIDCALL;
    *l = state_.light[i];
    return D3D_OK;
}

HRESULT StateDevice::LightEnable(DWORD i, BOOL e)
{
    if (i >= kMaxLights)
        return D3DERR_INVALIDCALL;
    RECORD_OR_APPLY((SlotRef{Slot::LightEnable, i, 0}), lightEnabled[i], e ? TRUE : FALSE);
    return D3D_OK;
}

HRESULT StateDevice::GetLightEnable(DWORD i, BOOL* e)
{
    if (i >= kMaxLights || !e)
        return D3DERR_INVALIDCALL;
    *e = state_.lightEnabled[i];
    return D3D_OK;
}

HRESULT StateDevice::SetTexture(DWORD st, IDirect3DBaseTexture9* t)
{
    if (!validStage(st))
        return D3DERR_INVALIDCALL;
    if (recording_) {
        recording_->touch({Slot::Texture, st, 0});
        recording_->setTexture(st, t);
        return D3D_OK;
    }
    if (t)
        t->AddRef();
    if (state_.texture[st])
        state_.texture[st]->Release();
    state_.texture[st] = t;
    return D3D_OK;
}

HRESULT StateDevice::GetTexture(DWORD st, IDirect3DBaseTexture9** t)
{
    if (!validStage(st) || !t)
        return D3DERR_INVALIDCALL;
    *t = state_.texture[st];
    if (*t)
        (*t)->AddRef();
    return D3D_OK;
}

HRESULT StateDevice::SetFVF(DWORD fvf)
{
    RECORD_OR_APPLY((SlotRef{Slot::Fvf, 0, 0}), fvf, fvf);
    return D3D_OK;
}

HRESULT StateDevice::GetFVF(DWORD* fvf)
{
    if (!fvf)
        return D3DERR_INVALIDCALL;
    *fvf = state_.fvf;
    return D3D_OK;
}

HRESULT StateDevice::SetStreamSource(UINT stream, IDirect3DVertexBuffer9* b, UINT offset, UINT stride)
{
    if (stream != 0)
        return D3DERR_INVALIDCALL;
    if (recording_) {
        recording_->touch({Slot::Stream, 0, 0});
        recording_->setStream(b);
        recording_->values().streamOffset = offset;
        recording_->values().streamStride = stride;
        return D3D_OK;
    }
    if (b)
        b->AddRef();
    if (state_.stream)
        state_.stream->Release();
    state_.stream = b;
    state_.streamOffset = offset;
    state_.streamStride = stride;
    return D3D_OK;
}

HRESULT StateDevice::DrawPrimitive(D3DPRIMITIVETYPE type, UINT start, UINT count)
{
    auto* vb = static_cast<MemVertexBuffer*>(state_.stream);
    if (!vb || state_.streamStride == 0 || count == 0)
        return D3DERR_INVALIDCALL;
    UINT n = verticesForPrimitives(type, count);
    size_t first = size_t(state_.streamOffset) + size_t(start) * state_.streamStride;
    if (n == 0 || first + size_t(n) * state_.streamStride > vb->bytes.size())
        return D3DERR_INVALIDCALL;
    drawVertices(type, count, vb->bytes.data() + first, n, state_.streamStride);
    return D3D_OK;
}

HRESULT StateDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT count, const void* v, UINT stride)
{
    if (!v || stride == 0 || count == 0)
        return D3DERR_INVALIDCALL;
    drawVertices(type, count, static_cast<const uint8_t*>(v), verticesForPrimitives(type, count), stride);
    return D3D_OK;
}

} // namespace platform
