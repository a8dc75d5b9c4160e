#pragma once
// Shared core of the two devices: keeps the Direct3D 9 state, owns memory
// copies of textures and vertex buffers, and implements state blocks. The GL
// device draws from this state; the recording device logs calls on top of it.
#include "engine/platform/d3d9.h"
#include "engine/platform/refcounted.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace platform {

class StateDevice;


// A texture kept in memory as 32-bit ARGB or 16-bit ARGB4444 texels, one level.
class MemTexture : public RefCounted<IDirect3DTexture9> {
public:
    MemTexture(StateDevice* owner, UINT width, UINT height, D3DFORMAT format, D3DPOOL pool, DWORD usage);
    ~MemTexture() override;
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;
    DWORD GetLevelCount() override { return 1; }

    UINT width, height;
    D3DFORMAT format;
    D3DPOOL pool;
    DWORD usage;
    UINT bytesPerTexel;
    std::vector<uint8_t> texels;
    uint32_t version = 1;  // bumped by every unlock; backends re-upload when it changes
    unsigned backendName = 0;
    uint32_t backendVersion = 0;
    StateDevice* owner;

private:
    bool locked_ = false;
};

class MemVertexBuffer : public RefCounted<IDirect3DVertexBuffer9> {
public:
    MemVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool);
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DVERTEXBUFFER_DESC* desc) override;

    std::vector<uint8_t> bytes;
    DWORD usage, fvf;
    D3DPOOL pool;
    bool locked = false;
};

constexpr int kMaxStages = 8;
constexpr int kMaxLights = 8;
constexpr int kRenderStates = 256;
constexpr int kStageStates = 33;
constexpr int kSamplerStates = 14;

struct DeviceState {
    DWORD renderState[kRenderStates];
    DWORD stageState[kMaxStages][kStageStates];
    DWORD samplerState[kMaxStages][kSamplerStates];
    D3DMATRIX world, view, projection;
    D3DMATERIAL9 material;
    D3DLIGHT9 light[kMaxLights];
    BOOL lightEnabled[kMaxLights];
    IDirect3DBaseTexture9* texture[kMaxStages];
    DWORD fvf;
    IDirect3DVertexBuffer9* stream;
    UINT streamOffset, streamStride;
    D3DVIEWPORT9 viewport;
};

// The Direct3D 9 defaults a fresh device starts with.
void resetDeviceState(DeviceState& s, UINT width, UINT height);

class StateDevice : public RefCounted<IDirect3DDevice9> {
public:
    StateDevice(const D3DPRESENT_PARAMETERS& params);
    ~StateDevice() override;

    HRESULT TestCooperativeLevel() override { return D3D_OK; }
    HRESULT Reset(D3DPRESENT_PARAMETERS* params) override;
    HRESULT GetDeviceCaps(D3DCAPS9* caps) override;

    HRESULT Clear(DWORD, const D3DRECT*, DWORD, D3DCOLOR, float, DWORD) override { return D3D_OK; }
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Present(const RECT*, const RECT*, HWND, const RGNDATA*) override { return D3D_OK; }

    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) override;
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) override;
    HRESULT GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value) override;
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) override;
    HRESULT GetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD* value) override;
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) override;
    HRESULT SetViewport(const D3DVIEWPORT9* viewport) override;
    HRESULT GetViewport(D3DVIEWPORT9* viewport) override;
    HRESULT SetMaterial(const D3DMATERIAL9* material) override;
    HRESULT GetMaterial(D3DMATERIAL9* material) override;
    HRESULT SetLight(DWORD index, const D3DLIGHT9* light) override;
    HRESULT GetLight(DWORD index, D3DLIGHT9* light) override;
    HRESULT LightEnable(DWORD index, BOOL enable) override;
    HRESULT GetLightEnable(DWORD index, BOOL* enable) override;
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                          IDirect3DTexture9** texture, HANDLE* shared) override;
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override;
    HRESULT GetTexture(DWORD stage, IDirect3DBaseTexture9** texture) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool, IDirect3DVertexBuffer9** buffer,
                               HANDLE* shared) override;
    HRESULT SetFVF(DWORD fvf) override;
    HRESULT GetFVF(DWORD* fvf) override;
    HRESULT SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset, UINT stride) override;
    HRESULT SetPixelShader(IDirect3DPixelShader9*) override { return D3D_OK; }
    HRESULT SetVertexShader(IDirect3DVertexShader9*) override { return D3D_OK; }
    HRESULT DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount) override;
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertices, UINT stride) override;
    HRESULT CreateStateBlock(D3DSTATEBLOCKTYPE type, IDirect3DStateBlock9** block) override;
    HRESULT BeginStateBlock() override;
    HRESULT EndStateBlock(IDirect3DStateBlock9** block) override;

    const DeviceState& state() const { return state_; }
    const D3DPRESENT_PARAMETERS& presentParameters() const { return params_; }
    bool inScene() const { return inScene_; }

    // Called when a texture with a backend name dies; the GL device frees it.
    virtual void releaseTextureName(unsigned) {}

protected:
    // Backends draw here: vertices already resolved to memory.
    virtual void drawVertices(D3DPRIMITIVETYPE, UINT, const uint8_t*, UINT, UINT) {}

    DeviceState state_;
    D3DPRESENT_PARAMETERS params_;
    bool inScene_ = false;

private:
    friend class StateBlock;
    friend class MemTexture;
    class StateBlock* recording_ = nullptr;
    // Textures still alive: a device that goes first detaches them.
    std::vector<MemTexture*> textures_;
};

// Vertices a primitive count needs, for each primitive type.
UINT verticesForPrimitives(D3DPRIMITIVETYPE type, UINT primitiveCount);

} // namespace platform
