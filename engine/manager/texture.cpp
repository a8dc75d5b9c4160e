#include "engine/manager/texture.h"

#include "engine/platform/d3dx9.h"

IDirect3DDevice9* TEXTURE::device = nullptr;

TEXTURE* TEXTURE::loadtexture(const char* file)
{
    IDirect3DTexture9* texture = nullptr;
    // Managed pool: the texture survives a device reset. Opaque pure green is the transparent key.
    HRESULT hr = D3DXCreateTextureFromFileExA(device, file, D3DX_DEFAULT, D3DX_DEFAULT, 1, 0, D3DFMT_A8R8G8B8,
                                              D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_DEFAULT, 0xFF00FF00, nullptr,
                                              nullptr, &texture);
    if (hr != D3D_OK) {
        if (texture)
            texture->Release();
        return nullptr;
    }
    return new TEXTURE(texture);
}

TEXTURE::TEXTURE(IDirect3DTexture9* texture) : texture(texture) {}

TEXTURE::~TEXTURE()
{
    if (texture)
        texture->Release();
}

IDirect3DTexture9* TEXTURE::gettexture() { return texture; }

void TEXTURE::setName(const char* n) { name = n ? n : ""; }

const char* TEXTURE::getName() { return name.c_str(); }

int TEXTURE::getWidth()
{
    D3DSURFACE_DESC desc{};
    if (!texture || FAILED(texture->GetLevelDesc(0, &desc)))
        return 0;
    return (int)desc.Width;
}

int TEXTURE::getHeigth()
{
    D3DSURFACE_DESC desc{};
    if (!texture || FAILED(texture->GetLevelDesc(0, &desc)))
        return 0;
    return (int)desc.Height;
}

std::ostream& operator<<(std::ostream& os, TEXTURE* texture)
{
    os << " adresse d3dtexture : " << static_cast<void*>(texture ? texture->gettexture() : nullptr) << std::endl;
    return os;
}
