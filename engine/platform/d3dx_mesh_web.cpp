// The browser build has no model importer: D3DXLoadMeshFromX refuses every .x
// file, saying so once, and the caller carries on as with any unreadable model.
#include "engine/platform/d3dx9.h"
#include "engine/platform/system.h"

#include <cstdio>
#include <initializer_list>

HRESULT D3DXLoadMeshFromXA(const char* file, DWORD, IDirect3DDevice9*, ID3DXBuffer** adjacency,
                           ID3DXBuffer** materials, ID3DXBuffer** effectInstances, DWORD* numMaterials,
                           ID3DXMesh** mesh)
{
    for (ID3DXBuffer** out : {adjacency, materials, effectInstances})
        if (out)
            *out = nullptr;
    if (numMaterials)
        *numMaterials = 0;
    if (mesh)
        *mesh = nullptr;
    static bool told = false;
    if (!told) {
        told = true;
        std::fprintf(stderr, "D3DXLoadMeshFromX: %s: .x models are not available in the browser build\n",
                     file ? file : "(null)");
    }
    return E_FAIL;
}
