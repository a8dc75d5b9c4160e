#include "engine/manager/mesh.h"

#include <iostream>

IDirect3DDevice9* MESH::device = nullptr;

MESH* MESH::loadmesh(const char* file)
{
    ID3DXBuffer* materials = nullptr;
    DWORD count = 0;
    ID3DXMesh* mesh = nullptr;
    HRESULT hr = D3DXLoadMeshFromXA(file, D3DXMESH_SYSTEMMEM, device, nullptr, &materials, nullptr, &count, &mesh);
    if (FAILED(hr)) {
        std::cout << "chargement du mesh : " << (file ? file : "") << " a echoue " << std::endl;
        return nullptr;
    }
    MESH* result = new MESH(mesh, (int8_t)count);
    if (materials)
        materials->Release();
    return result;
}

MESH::MESH(ID3DXMesh* mesh, int8_t materialCount) : g_pMesh(mesh) { dwNumMaterials = materialCount; }

MESH::~MESH()
{
    if (g_pMesh)
        g_pMesh->Release();
}

void MESH::draw(int subset)
{
    if (g_pMesh)
        g_pMesh->DrawSubset((DWORD)subset);
}

void MESH::print(std::ostream& os)
{
    os << "adresse  mesh : " << static_cast<void*>(g_pMesh) << " nombre de materiaux : " << (int)dwNumMaterials
       << "  nombre de face : " << (g_pMesh ? g_pMesh->GetNumFaces() : 0u) << std::endl;
}

ID3DXMesh* MESH::getMesh() { return g_pMesh; }
