#include "engine/platform/recording_device.h"

#include <cstring>

namespace platform {

HRESULT RecordingDirect3D::checkResult = D3D_OK;
HRESULT RecordingDirect3D::createResult = D3D_OK;
RecordingDevice* RecordingDirect3D::lastDevice = nullptr;

D3DPRESENT_PARAMETERS RecordingDevice::defaultParameters()
{
    D3DPRESENT_PARAMETERS p;
    std::memset(&p, 0, sizeof p);
    p.BackBufferWidth = 800;
    p.BackBufferHeight = 600;
    p.Windowed = TRUE;
    p.SwapEffect = D3DSWAPEFFECT_DISCARD;
    p.EnableAutoDepthStencil = TRUE;
    p.AutoDepthStencilFormat = D3DFMT_D16;
    return p;
}

RecordingDevice::RecordingDevice(const D3DPRESENT_PARAMETERS& params) : StateDevice(params) {}

void RecordingDevice::failCall(const std::string& name, HRESULT result, int times)
{
    failures_[name] = Failure{result, times};
}

size_t RecordingDevice::count(const std::string& name) const
{
    size_t n = 0;
    for (const auto& c : calls)
        n += c.name == name;
    return n;
}

std::vector<RecordedCall> RecordingDevice::named(const std::string& name) const
{
    std::vector<RecordedCall> out;
    for (const auto& c : calls)
        if (c.name == name)
            out.push_back(c);
    return out;
}

bool RecordingDevice::record(RecordedCall&& call, HRESULT& hr)
{
    auto it = failures_.find(call.name);
    if (recording)
        calls.push_back(std::move(call));
    if (it == failures_.end() || it->second.times == 0)
        return false;
    if (it->second.times > 0)
        --it->second.times;
    hr = it->second.result;
    return true;
}

#define RECORD(...)                         \
    do {                                    \
        HRESULT hr_;                        \
        if (record(__VA_ARGS__, hr_))       \
            return hr_;                     \
    } while (0)

static RecordedCall call(const char* name, std::vector<double> args = {}, std::vector<const void*> ptrs = {})
{
    RecordedCall c;
    c.name = name;
    c.args = std::move(args);
    c.ptrs = std::move(ptrs);
    return c;
}

HRESULT RecordingDevice::TestCooperativeLevel()
{
    RECORD(call("TestCooperativeLevel"));
    return cooperativeLevel;
}

HRESULT RecordingDevice::Reset(D3DPRESENT_PARAMETERS* p)
{
    RECORD(call("Reset", p ? std::vector<double>{double(p->BackBufferWidth), double(p->BackBufferHeight)}
                           : std::vector<double>{},
                {p}));
    HRESULT r = StateDevice::Reset(p);
    if (SUCCEEDED(r))
        cooperativeLevel = D3D_OK;
    return r;
}

HRESULT RecordingDevice::Clear(DWORD n, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z, DWORD stencil)
{
    RECORD(call("Clear", {double(n), double(flags), double(color), double(z), double(stencil)}, {rects}));
    return D3D_OK;
}

HRESULT RecordingDevice::BeginScene()
{
    RECORD(call("BeginScene"));
    return StateDevice::BeginScene();
}

HRESULT RecordingDevice::EndScene()
{
    RECORD(call("EndScene"));
    return StateDevice::EndScene();
}

HRESULT RecordingDevice::Present(const RECT* s, const RECT* d, HWND w, const RGNDATA* r)
{
    RECORD(call("Present", {}, {s, d, w, r}));
    return D3D_OK;
}

HRESULT RecordingDevice::SetRenderState(D3DRENDERSTATETYPE s, DWORD v)
{
    RECORD(call("SetRenderState", {double(s), double(v)}));
    return StateDevice::SetRenderState(s, v);
}

HRESULT RecordingDevice::SetTextureStageState(DWORD st, D3DTEXTURESTAGESTATETYPE t, DWORD v)
{
    RECORD(call("SetTextureStageState", {double(st), double(t), double(v)}));
    return StateDevice::SetTextureStageState(st, t, v);
}

HRESULT RecordingDevice::SetSamplerState(DWORD st, D3DSAMPLERSTATETYPE t, DWORD v)
{
    RECORD(call("SetSamplerState", {double(st), double(t), double(v)}));
    return StateDevice::SetSamplerState(st, t, v);
}

HRESULT RecordingDevice::SetTransform(D3DTRANSFORMSTATETYPE s, const D3DMATRIX* m)
{
    RecordedCall c = call("SetTransform", {double(s)});
    if (m)
        c.matrix = *m;
    RECORD(std::move(c));
    return StateDevice::SetTransform(s, m);
}

HRESULT RecordingDevice::SetViewport(const D3DVIEWPORT9* vp)
{
    RECORD(call("SetViewport", vp ? std::vector<double>{double(vp->X), double(vp->Y), double(vp->Width),
                                                         double(vp->Height)}
                                  : std::vector<double>{}));
    return StateDevice::SetViewport(vp);
}

HRESULT RecordingDevice::SetMaterial(const D3DMATERIAL9* m)
{
    RecordedCall c = call("SetMaterial", {}, {m});
    if (m)
        c.material = *m;
    RECORD(std::move(c));
    return StateDevice::SetMaterial(m);
}

HRESULT RecordingDevice::SetLight(DWORD i, const D3DLIGHT9* l)
{
    RecordedCall c = call("SetLight", {double(i)}, {l});
    if (l)
        c.light = *l;
    RECORD(std::move(c));
    return StateDevice::SetLight(i, l);
}

HRESULT RecordingDevice::LightEnable(DWORD i, BOOL e)
{
    RECORD(call("LightEnable", {double(i), double(e)}));
    return StateDevice::LightEnable(i, e);
}

HRESULT RecordingDevice::CreateTexture(UINT w, UINT h, UINT levels, DWORD usage, D3DFORMAT f, D3DPOOL pool,
                                       IDirect3DTexture9** t, HANDLE* shared)
{
    RECORD(call("CreateTexture", {double(w), double(h), double(levels), double(usage), double(f), double(pool)}));
    return StateDevice::CreateTexture(w, h, levels, usage, f, pool, t, shared);
}

HRESULT RecordingDevice::SetTexture(DWORD st, IDirect3DBaseTexture9* t)
{
    RECORD(call("SetTexture", {double(st)}, {t}));
    return StateDevice::SetTexture(st, t);
}

HRESULT RecordingDevice::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                            IDirect3DVertexBuffer9** b, HANDLE* shared)
{
    RECORD(call("CreateVertexBuffer", {double(length), double(usage), double(fvf), double(pool)}));
    return StateDevice::CreateVertexBuffer(length, usage, fvf, pool, b, shared);
}

HRESULT RecordingDevice::SetFVF(DWORD fvf)
{
    RECORD(call("SetFVF", {double(fvf)}));
    return StateDevice::SetFVF(fvf);
}

HRESULT RecordingDevice::SetStreamSource(UINT s, IDirect3DVertexBuffer9* b, UINT offset, UINT stride)
{
    RECORD(call("SetStreamSource", {double(s), double(offset), double(stride)}, {b}));
    return StateDevice::SetStreamSource(s, b, offset, stride);
}

HRESULT RecordingDevice::SetPixelShader(IDirect3DPixelShader9* s)
{
    RECORD(call("SetPixelShader", {}, {s}));
    return D3D_OK;
}

HRESULT RecordingDevice::SetVertexShader(IDirect3DVertexShader9* s)
{
    RECORD(call("SetVertexShader", {}, {s}));
    return D3D_OK;
}

HRESULT RecordingDevice::DrawPrimitive(D3DPRIMITIVETYPE type, UINT start, UINT n)
{
    ++draws_;
    RECORD(call("DrawPrimitive", {double(type), double(start), double(n)}));
    return StateDevice::DrawPrimitive(type, start, n);
}

HRESULT RecordingDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT n, const void* v, UINT stride)
{
    ++draws_;
    RECORD(call("DrawPrimitiveUP", {double(type), double(n), double(stride)}, {v}));
    return StateDevice::DrawPrimitiveUP(type, n, v, stride);
}

HRESULT RecordingDevice::CreateStateBlock(D3DSTATEBLOCKTYPE type, IDirect3DStateBlock9** b)
{
    RECORD(call("CreateStateBlock", {double(type)}));
    return StateDevice::CreateStateBlock(type, b);
}

HRESULT RecordingDevice::BeginStateBlock()
{
    RECORD(call("BeginStateBlock"));
    return StateDevice::BeginStateBlock();
}

HRESULT RecordingDevice::EndStateBlock(IDirect3DStateBlock9** b)
{
    RECORD(call("EndStateBlock"));
    return StateDevice::EndStateBlock(b);
}

HRESULT RecordingDirect3D::CreateDevice(UINT, D3DDEVTYPE, HWND window, DWORD, D3DPRESENT_PARAMETERS* params,
                                        IDirect3DDevice9** device)
{
    if (!device || !params)
        return D3DERR_INVALIDCALL;
    if (FAILED(createResult)) {
        *device = nullptr;
        return createResult;
    }
    D3DPRESENT_PARAMETERS p = *params;
    if (!p.hDeviceWindow)
        p.hDeviceWindow = window;
    auto* d = new RecordingDevice(p);
    lastDevice = d;
    *device = d;
    return D3D_OK;
}

static IDirect3D9* makeRecordingDirect3D()
{
    return new RecordingDirect3D();
}

void useRecordingDevices()
{
    platformSetDirect3DFactory(&makeRecordingDirect3D);
}

} // namespace platform
