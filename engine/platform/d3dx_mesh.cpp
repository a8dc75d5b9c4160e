// .x models through Assimp, as D3DXLoadMeshFromX hands them to the engine:
// one subset per material and a buffer of D3DXMATERIAL records.
#include "engine/platform/d3dx9.h"
#include "engine/platform/refcounted.h"
#include "engine/platform/xfile_faces.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr HRESULT D3DXERR_INVALIDDATA = (HRESULT)0x88760B59u;
constexpr DWORD kMeshFVF = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;

struct MeshVertex {
    float x, y, z;
    float nx, ny, nz;
    float tu, tv;
};
static_assert(sizeof(MeshVertex) == 32, "XYZ|NORMAL|TEX1 is 32 bytes");

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
        device_->SetStreamSource(0, subsets[attribute].buffer, 0, sizeof(MeshVertex));
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

void collect(const aiScene* scene, const aiNode* node, const aiMatrix4x4& parent,
             std::vector<std::vector<MeshVertex>>& subsets, DWORD& faces, DWORD& vertices)
{
    aiMatrix4x4 world = parent * node->mTransformation;
    aiMatrix3x3 normalMatrix(world);
    normalMatrix.Inverse().Transpose();
    for (unsigned m = 0; m < node->mNumMeshes; ++m) {
        const aiMesh* mesh = scene->mMeshes[node->mMeshes[m]];
        if (mesh->mMaterialIndex >= subsets.size())
            continue;
        std::vector<MeshVertex>& out = subsets[mesh->mMaterialIndex];
        vertices += mesh->mNumVertices;
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices != 3)
                continue; // triangulated: polygons are gone, shorter faces refused
            ++faces;
            for (unsigned k = 0; k < 3; ++k) {
                unsigned i = face.mIndices[k];
                aiVector3D p = world * mesh->mVertices[i];
                aiVector3D n = mesh->mNormals ? (normalMatrix * mesh->mNormals[i]).NormalizeSafe() : aiVector3D();
                aiVector3D t = mesh->mTextureCoords[0] ? mesh->mTextureCoords[0][i] : aiVector3D();
                out.push_back({p.x, p.y, p.z, n.x, n.y, n.z, t.x, t.y});
            }
        }
    }
    for (unsigned c = 0; c < node->mNumChildren; ++c)
        collect(scene, node->mChildren[c], world, subsets, faces, vertices);
}

D3DCOLORVALUE colour(const aiMaterial* m, const char* key, unsigned type, unsigned index)
{
    aiColor4D c(0, 0, 0, 0);
    m->Get(key, type, index, c);
    return {c.r, c.g, c.b, c.a};
}

// The importer gives a model without a material list one material of its
// own, the only one without a name; D3DX gives such a model none.
unsigned fileMaterials(const aiScene* scene)
{
    for (unsigned i = 0; i < scene->mNumMaterials; ++i) {
        aiString name;
        if (scene->mMaterials[i]->Get(AI_MATKEY_NAME, name) == AI_SUCCESS)
            return scene->mNumMaterials;
    }
    return 0;
}

// Faces of fewer than 3 indices: the importer's leftovers of a malformed face.
bool shortFaces(const aiScene* scene)
{
    for (unsigned m = 0; m < scene->mNumMeshes; ++m)
        for (unsigned f = 0; f < scene->mMeshes[m]->mNumFaces; ++f)
            if (scene->mMeshes[m]->mFaces[f].mNumIndices < 3)
                return true;
    return false;
}

ID3DXBuffer* materialBuffer(const aiScene* scene, unsigned count)
{
    std::vector<D3DXMATERIAL> records(count);
    std::vector<std::string> names(count);
    std::vector<bool> hasName(count, false);
    size_t textBytes = 0;
    for (unsigned i = 0; i < count; ++i) {
        const aiMaterial* m = scene->mMaterials[i];
        D3DMATERIAL9& d = records[i].MatD3D;
        std::memset(&d, 0, sizeof d);
        // A .x material has no ambient colour: it stays 0.
        d.Diffuse = colour(m, AI_MATKEY_COLOR_DIFFUSE);
        d.Specular = colour(m, AI_MATKEY_COLOR_SPECULAR);
        d.Emissive = colour(m, AI_MATKEY_COLOR_EMISSIVE);
        float power = 0;
        m->Get(AI_MATKEY_SHININESS, power);
        d.Power = power;
        records[i].pTextureFilename = nullptr;
        aiString path;
        if (m->GetTexture(aiTextureType_DIFFUSE, 0, &path) == AI_SUCCESS && path.length > 0) {
            names[i] = path.C_Str();
            for (char& ch : names[i])
                if (ch == '\\')
                    ch = '/';
            hasName[i] = true;
            textBytes += names[i].size() + 1;
        }
    }
    size_t recordBytes = records.size() * sizeof(D3DXMATERIAL);
    Buffer* buffer = new Buffer(recordBytes + textBytes);
    unsigned char* base = static_cast<unsigned char*>(buffer->GetBufferPointer());
    char* text = reinterpret_cast<char*>(base + recordBytes);
    for (size_t i = 0; i < records.size(); ++i) {
        if (hasName[i]) {
            std::memcpy(text, names[i].c_str(), names[i].size() + 1);
            records[i].pTextureFilename = text;
            text += names[i].size() + 1;
        }
    }
    if (recordBytes)
        std::memcpy(base, records.data(), recordBytes);
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

    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(
        file, aiProcess_ConvertToLeftHanded | aiProcess_Triangulate | aiProcess_JoinIdenticalVertices);
    if (!scene || !scene->mRootNode || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) || scene->mNumMeshes == 0 ||
        shortFaces(scene) || !platform::xFileFacesValid(file))
        return D3DXERR_INVALIDDATA;

    std::vector<std::vector<MeshVertex>> perMaterial(scene->mNumMaterials);
    DWORD faces = 0, vertices = 0;
    collect(scene, scene->mRootNode, aiMatrix4x4(), perMaterial, faces, vertices);

    Mesh* result = new Mesh(device, faces, vertices);
    for (const std::vector<MeshVertex>& verts : perMaterial) {
        Mesh::Subset subset;
        if (!verts.empty()) {
            UINT length = (UINT)(verts.size() * sizeof(MeshVertex));
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
    unsigned count = fileMaterials(scene);
    if (materials)
        *materials = materialBuffer(scene, count);
    if (numMaterials)
        *numMaterials = count;
    *mesh = result;
    return D3D_OK;
}
