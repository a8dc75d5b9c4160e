#pragma once
// The device's shaders: Direct3D 9's fixed-function pipeline as the engine
// uses it. What changes the code (pre-transformed or not, lighting,
// specular, normalising, texturing, stage 0's operations and arguments, the
// alpha test's function) picks a variant, built on first use and kept;
// everything else (matrices, lights, material, alpha reference) is uniforms.
#include "engine/platform/gl_api.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace platform {

// Vertex attribute locations, the same in every program.
enum ShaderAttribute : GLuint { kAttrPosition = 0, kAttrNormal = 1, kAttrColor = 2, kAttrTexCoord = 3 };

constexpr int kShaderLights = 8;

struct ShaderOptions {
    bool pretransformed = false, lit = false, normalize = false, specular = false, textured = false;
    // Stage 0, when textured: D3DTOP_* and D3DTA_* values (with their modifier bits).
    uint8_t colorOp = 0, colorArg1 = 0, colorArg2 = 0, alphaOp = 0, alphaArg1 = 0, alphaArg2 = 0;
    uint8_t alphaTest = 0; // D3DCMP_* function; 0 when off

    uint64_t key() const;
};

// The uniform groups the device sends; each program remembers which version
// of each group it last received, so a program switch resends only what changed.
enum UniformGroup { kGroupTransform, kGroupLights, kGroupMaterial, kGroupAlphaRef, kGroupCount };

struct ShaderProgram {
    GLuint program = 0;
    GLint mvp = -1, modelview = -1, normalMatrix = -1;
    GLint lightCount = -1, lightPosition = -1, lightDiffuse = -1, lightSpecular = -1, lightAmbient = -1,
          lightAttenuation = -1, spotDirection = -1, spotCos = -1, spotExponent = -1;
    GLint materialAmbient = -1, materialDiffuse = -1, materialSpecular = -1, materialEmissive = -1,
          shininess = -1, sceneAmbient = -1, track = -1;
    GLint alphaRef = -1;
    uint32_t seen[kGroupCount] = {};
};

class ShaderCache {
public:
    ShaderCache() = default;
    ShaderCache(const ShaderCache&) = delete;
    ShaderCache& operator=(const ShaderCache&) = delete;
    ~ShaderCache();

    // Null (said once on standard error) when the driver refuses the variant.
    ShaderProgram* get(const ShaderOptions& options);

private:
    std::unordered_map<uint64_t, std::unique_ptr<ShaderProgram>> programs_;
};

} // namespace platform
