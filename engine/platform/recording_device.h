#pragma once
// A device for tests and the headless simulation: it keeps the full Direct3D
// state like the GL device, and records every call with its arguments. A test
// can make a chosen call fail and choose what TestCooperativeLevel answers.
#include "engine/platform/state_device.h"

#include <map>
#include <string>
#include <vector>

namespace platform {

struct RecordedCall {
    std::string name;
    std::vector<double> args;               // numeric arguments in order
    std::vector<const void*> ptrs;          // pointer arguments in order (textures, buffers...)
    D3DMATRIX matrix{};                     // SetTransform
    D3DMATERIAL9 material{};                // SetMaterial
    D3DLIGHT9 light{};                      // SetLight
};

class RecordingDevice : public StateDevice {
public:
    explicit RecordingDevice(const D3DPRESENT_PARAMETERS& params = defaultParameters());

    static D3DPRESENT_PARAMETERS defaultParameters();

    std::vector<RecordedCall> calls;
    bool recording = true;              // off: the device only keeps state (fast)
    HRESULT cooperativeLevel = D3D_OK;  // what TestCooperativeLevel answers

    // The named call answers `result` without doing anything, `times` times (-1: always).
    void failCall(const std::string& name, HRESULT result = E_FAIL, int times = -1);
    void clearFailures() { failures_.clear(); }

    size_t count(const std::string& name) const;
    std::vector<RecordedCall> named(const std::string& name) const;
    void clearCalls() { calls.clear(); }
    size_t drawCalls() const { return draws_; }
    void resetDrawCount() { draws_ = 0; }

    HRESULT TestCooperativeLevel() override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* params) override;
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z, DWORD stencil) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Present(const RECT* s, const RECT* d, HWND w, const RGNDATA* r) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) override;
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) override;
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT SetViewport(const D3DVIEWPORT9* viewport) override;
    HRESULT SetMaterial(const D3DMATERIAL9* material) override;
    HRESULT SetLight(DWORD index, const D3DLIGHT9* light) override;
    HRESULT LightEnable(DWORD index, BOOL enable) override;
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                          IDirect3DTexture9** texture, HANDLE* shared) override;
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool, IDirect3DVertexBuffer9** buffer,
                               HANDLE* shared) override;
    HRESULT SetFVF(DWORD fvf) override;
    HRESULT SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset, UINT stride) override;
    HRESULT SetPixelShader(IDirect3DPixelShader9* shader) override;
    HRESULT SetVertexShader(IDirect3DVertexShader9* shader) override;
    HRESULT DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount) override;
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertices, UINT stride) override;
    HRESULT CreateStateBlock(D3DSTATEBLOCKTYPE type, IDirect3DStateBlock9** block) override;
    HRESULT BeginStateBlock() override;
    HRESULT EndStateBlock(IDirect3DStateBlock9** block) override;

private:
    // Records the call; returns true and sets `hr` when it must fail.
    bool record(RecordedCall&& call, HRESULT& hr);

    struct Failure {
        HRESULT result;
        int times;
    };
    std::map<std::string, Failure> failures_;
    size_t draws_ = 0;
};

// The Direct3D object of tests: its devices are RecordingDevices.
class RecordingDirect3D : public RefCounted<IDirect3D9> {
public:
    HRESULT CheckDeviceType(UINT, D3DDEVTYPE, D3DFORMAT, D3DFORMAT, BOOL) override { return checkResult; }
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND window, DWORD flags, D3DPRESENT_PARAMETERS* params,
                         IDirect3DDevice9** device) override;

    static HRESULT checkResult;
    static HRESULT createResult;
    static RecordingDevice* lastDevice; // the device most recently created
};

// Makes Direct3DCreate9 hand out RecordingDirect3D objects (tests, headless tools).
void useRecordingDevices();

} // namespace platform
