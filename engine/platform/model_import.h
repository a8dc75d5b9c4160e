#pragma once
// A model file read into plain data, the loader's mesh built from it later. The
// importer runs in a child process (model_isolated.cpp): whatever a file does to
// it, a crash, a hang or a runaway allocation, ends the child, not the program.
// The importer itself lives alone in model_assimp.cpp.
#include "engine/platform/d3d9.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// XYZ | NORMAL | TEX1, as the mesh's vertex buffers hold them.
struct ModelVertex {
    float x, y, z;
    float nx, ny, nz;
    float tu, tv;
};
static_assert(sizeof(ModelVertex) == 32, "XYZ|NORMAL|TEX1 is 32 bytes");

struct ModelMaterial {
    D3DMATERIAL9 colours{};
    bool hasTexture = false;
    std::string texture; // '/' separated
};

struct ImportedModel {
    // Non-indexed triangle lists, one per material of the importer's scene,
    // in the model's space (node transforms applied, left-handed).
    std::vector<std::vector<ModelVertex>> subsets;
    // The file's material list: empty when it has none (subsets then has one).
    std::vector<ModelMaterial> materials;
    uint32_t faces = 0, vertices = 0;
};

// Through the importer, in this process: false when it refuses the file.
bool importModel(const char* file, ImportedModel& out);

// importModel in a child process; false when it refuses the file, crashes,
// runs past 5 s or its allocations past the limit.
bool importModelIsolated(const char* file, ImportedModel& out);

// The form the child hands the model back in. readModel refuses anything
// that is not exactly one well-formed model.
std::vector<unsigned char> encodeModel(const ImportedModel& model);
bool decodeModel(const unsigned char* bytes, size_t size, ImportedModel& out);

} // namespace platform
