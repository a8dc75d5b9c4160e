// The state device's resources: textures and vertex buffers kept in memory.
#include "engine/platform/state_device.h"

#include <cstring>

namespace platform {

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

HRESULT StateDevice::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                        IDirect3DVertexBuffer9** out, HANDLE*)
{
    if (!out || length == 0)
        return D3DERR_INVALIDCALL;
    *out = new MemVertexBuffer(length, usage, fvf, pool);
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
