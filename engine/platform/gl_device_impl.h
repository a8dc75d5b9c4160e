#pragma once
// The GL device: draws the Direct3D 9 state kept by StateDevice through the
// shaders of gl_shaders, with OpenGL 2.1 or OpenGL ES 2.0 calls only. Every
// GL state it sets is cached so that a draw only changes what differs from
// the previous one.
#include "engine/platform/frame_pacer.h"
#include "engine/platform/gl_api.h"
#include "engine/platform/gl_shaders.h"
#include "engine/platform/gl_view.h"
#include "engine/platform/state_device.h"

#include <ctime>
#include <vector>

namespace platform {

class GLDevice final : public StateDevice {
public:
    GLDevice(const D3DPRESENT_PARAMETERS& params, int windowWidth, int windowHeight);
    ~GLDevice() override;

    HRESULT Reset(D3DPRESENT_PARAMETERS* params) override;
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z, DWORD stencil) override;
    HRESULT Present(const RECT* source, const RECT* dest, HWND override, const RGNDATA* dirty) override;
    void releaseTextureName(unsigned name) override;

    size_t drawCalls() const { return draws_; }
    static bool pacing; // Present paces the frames (setFramePacing)

protected:
    void drawVertices(D3DPRIMITIVETYPE type, UINT primitiveCount, const uint8_t* bytes, UINT vertexCount,
                      UINT stride) override;

private:
    // -1: the GL value is unknown and must be set at the next use.
    struct Switches {
        int8_t cull, depthTest, blend;
        int8_t array[4]; // by ShaderAttribute
    };
    struct Sampler {
        GLint minFilter, magFilter, wrapS, wrapT;
        bool operator==(const Sampler& o) const
        {
            return minFilter == o.minFilter && magFilter == o.magFilter && wrapS == o.wrapS && wrapT == o.wrapT;
        }
    };
    enum class Space : uint8_t { Unknown, World, Screen };

    void invalidateCache();
    void syncWindow();
    void showView();
    void setSwitch(GLenum cap, bool on, int8_t& cached);
    void setArray(GLuint attribute, bool on);

    void applyRasterState(bool opaqueSource);
    void applyViewport(bool pretransformed);
    bool applyTexture(ShaderOptions& options);
    void bindTexture(GLuint name);
    void uploadTexture(class MemTexture* texture);
    bool useProgram(const ShaderOptions& options);
    bool stale(UniformGroup group);
    void sendTransforms(bool pretransformed);
    void sendLights();
    void sendMaterial(bool vertexColor);
    void sendAlphaRef();
    GLintptr streamVertices(const uint8_t* bytes, size_t size);

    int windowWidth_, windowHeight_;
    GLView shown_;

    Switches on_;
    GLenum frontFace_, depthFunc_, blendSrc_, blendDst_;
    GLint depthMask_;
    DWORD colorWrite_;
    GLint viewport_[4];
    float depthRange_[2];
    GLuint boundTexture_;
    std::vector<Sampler> samplers_; // by GL texture name
    std::vector<uint8_t> opaque_;   // by GL texture name: every texel has alpha 1
    std::vector<uint8_t> rgba_;     // texels on their way to GL

    ShaderCache shaders_;
    ShaderProgram* program_ = nullptr; // in use
    // Versions of the uniform groups; a program that saw an older one gets them anew.
    uint32_t version_[kGroupCount];
    Space space_;
    D3DMATRIX world_, view_, projection_;
    DWORD projectionWidth_, projectionHeight_;
    float mvp_[16], modelview_[16], normalMatrix_[9];
    struct LightUniforms {
        int count;
        float position[kShaderLights][4], diffuse[kShaderLights][3], specular[kShaderLights][3],
            ambient[kShaderLights][3], attenuation[kShaderLights][3], spotDirection[kShaderLights][3],
            spotCos[kShaderLights], spotExponent[kShaderLights];
    } lights_;
    struct MaterialUniforms {
        float ambient[3], diffuse[4], specular[3], emissive[3], shininess, sceneAmbient[3], track[3];
        bool operator==(const MaterialUniforms& o) const;
    } material_;
    bool materialValid_;
    float alphaRef_;

    GLuint stream_ = 0; // the vertex buffer every draw's vertices go through
    bool streamBound_ = false;

    FramePacer pacer_;
    size_t draws_ = 0;
};

} // namespace platform
