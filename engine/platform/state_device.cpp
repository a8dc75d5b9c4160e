#include "engine/platform/state_device.h"

#include <cstring>

namespace platform {

// ---- resources ------------------------------------------------------------

MemTexture::MemTexture(StateDevice* o, UINT w, UINT h, D3DFORMAT f, D3DPOOL p, DWORD u)
    : width(w), height(h), format(f), pool(p), usage(u), bytesPerTexel(f == D3DFMT_A4R4G4B4 ? 2 : 4), owner(o)
{
    texels.assign(size_t(w) * h * bytesPerTexel, 0);
    if (owner)
        owner->textures_.push_back(this);
}

MemTexture::~MemTexture()
{
    if (!owner)
        return;
    if (backendName != 0)
        owner->releaseTextureName(backendName);
    auto& live = owner->textures_;
    for (size_t i = 0; i < live.size(); ++i)
        if (live[i] == this) {
            live[i] = live.back();
            live.pop_back();
            break;
        }
}

HRESULT MemTexture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc)
{
    if (level != 0 || !desc)
        return D3DERR_INVALIDCALL;
    *desc = D3DSURFACE_DESC{format, D3DRTYPE_TEXTURE, usage, pool, D3DMULTISAMPLE_NONE, 0, width, height};
    return D3D_OK;
}

HRESULT MemTexture::LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD)
{
    if (level != 0 || !locked || locked_)
        return D3DERR_INVALIDCALL;
    size_t offset = 0;
    if (rect) {
        if (rect->left < 0 || rect->top < 0 || UINT(rect->right) > width || UINT(rect->bottom) > height)
            return D3DERR_INVALIDCALL;
        offset = (size_t(rect->top) * width + rect->left) * bytesPerTexel;
    }
    locked->Pitch = INT(width * bytesPerTexel);
    locked->pBits = texels.data() + offset;
    locked_ = true;
    return D3D_OK;
}

HRESULT MemTexture::UnlockRect(UINT level)
{
    if (level != 0 || !locked_)
        return D3DERR_INVALIDCALL;
    locked_ = false;
    ++version;
    return D3D_OK;
}

MemVertexBuffer::MemVertexBuffer(UINT length, DWORD u, DWORD f, D3DPOOL p) : bytes(length, 0), usage(u), fvf(f), pool(p)
{
}

HRESULT MemVertexBuffer::Lock(UINT offset, UINT size, void** data, DWORD)
{
    if (!data || offset > bytes.size() || (size != 0 && offset + size > bytes.size()))
        return D3DERR_INVALIDCALL;
    *data = bytes.data() + offset;
    locked = true;
    return D3D_OK;
}

HRESULT MemVertexBuffer::Unlock()
{
    locked = false;
    return D3D_OK;
}

HRESULT MemVertexBuffer::GetDesc(D3DVERTEXBUFFER_DESC* desc)
{
    if (!desc)
        return D3DERR_INVALIDCALL;
    *desc = D3DVERTEXBUFFER_DESC{D3DFMT_UNKNOWN, D3DRTYPE_VERTEXBUFFER, usage, pool, UINT(bytes.size()), fvf};
    return D3D_OK;
}

// ---- state ----------------------------------------------------------------

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

// ---- state blocks ---------------------------------------------------------

enum class Slot : uint8_t { Render, Stage, Sampler, Transform, Material, Light, LightEnable, Texture, Fvf, Stream, Viewport };

struct SlotRef {
    Slot slot;
    DWORD a, b;
    bool operator==(const SlotRef& o) const { return slot == o.slot && a == o.a && b == o.b; }
};

class StateBlock : public RefCounted<IDirect3DStateBlock9> {
public:
    explicit StateBlock(StateDevice* d) : device_(d) { resetDeviceState(values_, 0, 0); }
    ~StateBlock() override
    {
        for (auto* t : values_.texture)
            if (t)
                t->Release();
        if (values_.stream)
            values_.stream->Release();
    }

    void touch(SlotRef r)
    {
        for (const auto& s : slots_)
            if (s == r)
                return;
        slots_.push_back(r);
    }
    DeviceState& values() { return values_; }

    void setTexture(DWORD stage, IDirect3DBaseTexture9* t)
    {
        if (t)
            t->AddRef();
        if (values_.texture[stage])
            values_.texture[stage]->Release();
        values_.texture[stage] = t;
    }
    void setStream(IDirect3DVertexBuffer9* b)
    {
        if (b)
            b->AddRef();
        if (values_.stream)
            values_.stream->Release();
        values_.stream = b;
    }

    void captureAll()
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

    HRESULT Capture() override
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

    // Applies through the device's public calls, so every backend sees them.
    HRESULT Apply() override
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

private:
    StateDevice* device_;
    DeviceState values_;
    std::vector<SlotRef> slots_;
};

// ---- device ---------------------------------------------------------------

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

HRESULT StateDevice::CreateTexture(UINT w, UINT h, UINT, DWORD usage, D3DFORMAT f, D3DPOOL pool,
                                   IDirect3DTexture9** out, HANDLE*)
{
    if (!out || w == 0 || h == 0 || w > 4096 || h > 4096)
        return D3DERR_INVALIDCALL;
    if (f != D3DFMT_A8R8G8B8 && f != D3DFMT_X8R8G8B8 && f != D3DFMT_A4R4G4B4)
        return D3DERR_NOTAVAILABLE;
    *out = new MemTexture(this, w, h, f, pool, usage);
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

HRESULT StateDevice::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                        IDirect3DVertexBuffer9** out, HANDLE*)
{
    if (!out || length == 0)
        return D3DERR_INVALIDCALL;
    *out = new MemVertexBuffer(length, usage, fvf, pool);
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

UINT platformFvfStride(DWORD fvf)
{
    UINT n = 0;
    if (fvf & D3DFVF_XYZ)
        n += 12;
    if (fvf & D3DFVF_XYZRHW)
        n += 16;
    if (fvf & D3DFVF_NORMAL)
        n += 12;
    if (fvf & D3DFVF_DIFFUSE)
        n += 4;
    if (fvf & D3DFVF_SPECULAR)
        n += 4;
    if (fvf & D3DFVF_TEX1)
        n += 8;
    return n;
}
