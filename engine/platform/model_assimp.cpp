// The importer behind the model loader: Assimp reads a .x file into what
// D3DXLoadMeshFromX would give, one triangle list per material and the file's
// materials. It runs in a child process (model_isolated.cpp).
#include "engine/platform/model_import.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

namespace platform {

namespace {

void collect(const aiScene* scene, const aiNode* node, const aiMatrix4x4& parent, ImportedModel& out)
{
    aiMatrix4x4 world = parent * node->mTransformation;
    aiMatrix3x3 normalMatrix(world);
    normalMatrix.Inverse().Transpose();
    for (unsigned m = 0; m < node->mNumMeshes; ++m) {
        const aiMesh* mesh = scene->mMeshes[node->mMeshes[m]];
        if (mesh->mMaterialIndex >= out.subsets.size())
            continue;
        std::vector<ModelVertex>& subset = out.subsets[mesh->mMaterialIndex];
        out.vertices += mesh->mNumVertices;
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices != 3)
                continue; // triangulated: polygons are gone, shorter faces refused
            ++out.faces;
            for (unsigned k = 0; k < 3; ++k) {
                unsigned i = face.mIndices[k];
                aiVector3D p = world * mesh->mVertices[i];
                aiVector3D n = mesh->mNormals ? (normalMatrix * mesh->mNormals[i]).NormalizeSafe() : aiVector3D();
                aiVector3D t = mesh->mTextureCoords[0] ? mesh->mTextureCoords[0][i] : aiVector3D();
                subset.push_back({p.x, p.y, p.z, n.x, n.y, n.z, t.x, t.y});
            }
        }
    }
    for (unsigned c = 0; c < node->mNumChildren; ++c)
        collect(scene, node->mChildren[c], world, out);
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

ModelMaterial material(const aiMaterial* m)
{
    ModelMaterial out;
    D3DMATERIAL9& d = out.colours;
    // A .x material has no ambient colour: it stays 0.
    d.Diffuse = colour(m, AI_MATKEY_COLOR_DIFFUSE);
    d.Specular = colour(m, AI_MATKEY_COLOR_SPECULAR);
    d.Emissive = colour(m, AI_MATKEY_COLOR_EMISSIVE);
    float power = 0;
    m->Get(AI_MATKEY_SHININESS, power);
    d.Power = power;
    aiString path;
    if (m->GetTexture(aiTextureType_DIFFUSE, 0, &path) == AI_SUCCESS && path.length > 0) {
        out.hasTexture = true;
        out.texture = path.C_Str();
        for (char& ch : out.texture)
            if (ch == '\\')
                ch = '/';
    }
    return out;
}

} // namespace

bool importModel(const char* file, ImportedModel& out)
{
    out = ImportedModel();
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(
        file, aiProcess_ConvertToLeftHanded | aiProcess_Triangulate | aiProcess_JoinIdenticalVertices);
    if (!scene || !scene->mRootNode || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) || scene->mNumMeshes == 0 ||
        shortFaces(scene))
        return false;
    out.subsets.resize(scene->mNumMaterials);
    collect(scene, scene->mRootNode, aiMatrix4x4(), out);
    unsigned count = fileMaterials(scene);
    for (unsigned i = 0; i < count; ++i)
        out.materials.push_back(material(scene->mMaterials[i]));
    return true;
}

} // namespace platform
