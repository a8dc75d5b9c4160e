#pragma once
// A container of geometry loaded from a .x model: one subset per material.
#include "engine/manager/conteneur.h"
#include "engine/platform/d3dx9.h"

class MESH : public CONTENEUR {
public:
    static IDirect3DDevice9* device;

    // Null (after "chargement du mesh : <file> a echoue ") when the model cannot be loaded.
    static MESH* loadmesh(const char* file);

    MESH(ID3DXMesh* mesh, int8_t materialCount);
    ~MESH() override;

    void draw(int subset) override;
    void print(std::ostream& os) override;

    ID3DXMesh* getMesh();

private:
    ID3DXMesh* g_pMesh;
};
