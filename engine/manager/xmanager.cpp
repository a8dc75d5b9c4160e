#include "engine/manager/xmanager.h"

#include "engine/manager/mesh.h"
#include "engine/manager/objet3D.h"

#include <string>

XMANAGER::XMANAGER(IDirect3DDevice9* d) : MANAGER(), device(d) {}

bool XMANAGER::loadobjet3dmultimaterielfromx(const char* file, const char* name, const char* suffix,
                                             D3DXMATRIXA16* matrix)
{
    ID3DXBuffer* materials = nullptr;
    DWORD count = 0;
    ID3DXMesh* d3dmesh = nullptr;
    HRESULT hr = D3DXLoadMeshFromXA(file, D3DXMESH_SYSTEMMEM, device, nullptr, &materials, nullptr, &count, &d3dmesh);
    if (FAILED(hr)) {
        std::cout << "chargement du .x : " << (file ? file : "") << " a echoue " << std::endl;
        return false;
    }

    const std::string sfx = suffix ? suffix : "";
    const std::string fullname = std::string(name ? name : "") + sfx;
    MESH* mesh = new MESH(d3dmesh, (int8_t)count);
    mesh->setName(fullname.c_str());
    tabconteneur.set(fullname, mesh);

    D3DXMATRIXA16 identity;
    D3DXMatrixIdentity(&identity);
    OBJET3D* objet = new OBJET3D(mesh, nullptr, nullptr, matrix ? matrix : &identity);
    tabelement3d.set(fullname, objet);

    std::cout << "hello" << std::endl;
    D3DXMATERIAL* records = materials ? static_cast<D3DXMATERIAL*>(materials->GetBufferPointer()) : nullptr;
    for (DWORD i = 0; records && i < count; ++i) {
        std::cout << "numero " << i << std::endl;
        // .x materials carry no ambient colour: use the diffuse one.
        D3DMATERIAL9* block = new D3DMATERIAL9(records[i].MatD3D);
        block->Ambient = block->Diffuse;
        MATERIEL* materiel = new MATERIEL(block);
        objet->adoptmateriel(materiel);
        const char* texfile = records[i].pTextureFilename;
        std::cout << "nom texture " << (texfile ? texfile : "") << std::endl;
        objet->setmateriel(materiel, (int8_t)i);
        std::cout << "materiel reussi " << i << std::endl;

        TEXTURE* texture = texfile ? TEXTURE::loadtexture(texfile) : nullptr;
        std::cout << "trucbisard reussi " << i << std::endl;
        // A taken name leaves the texture unregistered, yet this object still shows it.
        if (texture)
            loadtexture(texture, (std::string(texfile) + sfx).c_str());
        std::cout << "loadtexture dans manager reussi " << i << std::endl;
        objet->settexture(texture, (int8_t)i);
        std::cout << "settexture dans manager reussi " << i << std::endl;
    }
    if (materials)
        materials->Release();
    return true;
}
