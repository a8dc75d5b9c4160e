#pragma once
// The manager with the .x model loader that also takes the model's materials and textures.
#include "engine/manager/manager.h"
#include "engine/platform/d3dx9.h"

class XMANAGER : public MANAGER {
public:
    explicit XMANAGER(IDirect3DDevice9* device);

    // Registers a mesh and an object under name + suffix, and each texture
    // under its file name + suffix. False (and nothing registered) when the
    // model cannot be loaded. A null matrix places the object at identity.
    bool loadobjet3dmultimaterielfromx(const char* file, const char* name, const char* suffix,
                                       D3DXMATRIXA16* matrix);

private:
    IDirect3DDevice9* device;
};
