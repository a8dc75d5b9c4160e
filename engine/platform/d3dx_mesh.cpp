// .x models as D3DXLoadMeshFromX hands them to the engine: one subset per
// material and a buffer of D3DXMATERIAL records. The importer reads the file
// in a child process (model_import.h).
#include "engine/platform/d3dx9.h"
#include "engine/platform/model_import.h"
#include "engine/platform/refcounted.h"
#include "engine/platform/xfile_faces.h"

#include <cstring>
#include <vector>

namespace {

constexpr HRESULT D3DXERR_INVALIDDATA = (HRESULT)0x88760B59u;
constexpr DWORD kMeshFVF = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;

using platform::ModelVertex;

class Buffer : public platform::RefCounted<ID3DXBuffer> {
public:
    explicit Buffer(size_t size) : bytes_(size) {}
    void* GetBufferPointer() override { return bytes_.data(); }
    DWORD GetBufferSize() override { return (DWORD)bytes_.size(); }

private:
    std::vector<unsigned char> bytes_;
};

// Non-indexed triangle lists, one device vertex buffer per subset.
class Mesh : public platform::RefCounted<ID3DXMesh> {
public:
    Mesh(IDirect3DDevice9* device, DWORD faces, DWORD vertices) : device_(device), faces_(faces), vertices_(vertices)
    {
        device_->AddRef();
    }

    struct Subset {
        IDirect3DVertexBuffer9* buffer = nullptr;
        UINT triangles = 0;
    };
    std::vector<Subset> subsets;

    HRESULT DrawSubset(DWORD attribute) override
    {
        if (attribute >= subsets.size() || !subsets[attribute].buffer || subsets[attribute].triangles == 0)
            return D3D_OK;
        device_->SetFVF(kMeshFVF);
        device_->SetStreamSource(0, subsets[attribute].buffer, 0, sizeof(ModelVertex));
        return device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, subsets[attribute].triangles);
    }
    DWORD GetNumFaces() override { return faces_; }
    DWORD GetNumVertices() override { return vertices_; }
    DWORD GetFVF() override { return kMeshFVF; }

private:
    ~Mesh() override
    {
        for (Subset& s : subsets)
            if (s.buffer)
                s.buffer->Release();
        device_->Release();
    }

    IDirect3DDevice9* device_;
    DWORD faces_, vertices_;
};

ID3DXBuffer* materialBuffer(const std::vector<platform::ModelMaterial>& materials)
{
    size_t recordBytes = materials.size() * sizeof(D3DXMATERIAL), textBytes = 0;
    for (const platform::ModelMaterial& m : materials)
        if (m.hasTexture)
            textBytes += m.texture.size() + 1;
    Buffer* buffer = new Buffer(recordBytes + textBytes);
    unsigned char* base = static_cast<unsigned char*>(buffer->GetBufferPointer());
    char* text = reinterpret_cast<char*>(base + recordBytes);
    for (size_t i = 0; i < materials.size(); ++i) {
        D3DXMATERIAL record;
        record.MatD3D = materials[i].colours;
        record.pTextureFilename = nullptr;
        if (materials[i].hasTexture) {
            std::memcpy(text, materials[i].texture.c_str(), materials[i].texture.size() + 1);
            record.pTextureFilename = text;
            text += materials[i].texture.size() + 1;
        }
        std::memcpy(base + i * sizeof(D3DXMATERIAL), &record, sizeof record);
    }
    return buffer;
}

} // namespace

HRESULT D3DXLoadMeshFromXA(const char* file, DWORD options, IDirect3DDevice9* device, ID3DXBuffer** adjacency,
                           ID3DXBuffer** materials, ID3DXBuffer** effectInstances, DWORD* numMaterials,
                           ID3DXMesh** mesh)
{
    (void)options; // every buffer goes to the managed pool, which serves both uses
    if (adjacency)
        *adjacency = nullptr;
    if (effectInstances)
        *effectInstances = nullptr;
    if (materials)
        *materials = nullptr;
    if (numMaterials)
        *numMaterials = 0;
    if (!file || !device || !mesh)
        return D3DERR_INVALIDCALL;
    *mesh = nullptr;

    platform::ImportedModel model;
    if (!platform::xFileFacesValid(file) || !platform::importModelIsolated(file, model))
        return D3DXERR_INVALIDDATA;

    Mesh* result = new Mesh(device, model.faces, model.vertices);
    for (const std::vector<ModelVertex>& verts : model.subsets) {
        Mesh::Subset subset;
        if (!verts.empty()) {
            UINT length = (UINT)(verts.size() * sizeof(ModelVertex));
            void* data = nullptr;
            if (FAILED(device->CreateVertexBuffer(length, D3DUSAGE_WRITEONLY, kMeshFVF, D3DPOOL_MANAGED,
                                                  &subset.buffer, nullptr)) ||
                !subset.buffer || FAILED(subset.buffer->Lock(0, 0, &data, 0))) {
                if (subset.buffer)
                    subset.buffer->Release();
                result->Release();
                return E_OUTOFMEMORY;
            }
            std::memcpy(data, verts.data(), length);
            subset.buffer->Unlock();
            subset.triangles = (UINT)(verts.size() / 3);
        }
        result->subsets.push_back(subset);
    }

    // Without a material list every face still lies in subset 0, as in D3DX.
    if (materials)
        *materials = materialBuffer(model.materials);
    if (numMaterials)
        *numMaterials = (DWORD)model.materials.size();
    *mesh = result;
    return D3D_OK;
}
