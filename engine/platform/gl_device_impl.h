#pragma once
// The GL device: draws the Direct3D 9 state kept by StateDevice with OpenGL's
// fixed-function pipeline. Every GL state it sets is cached so that a draw
// only changes what differs from the previous one.
#include "engine/platform/frame_pacer.h"
#include "engine/platform/gl_view.h"
#include "engine/platform/state_device.h"

#include <GL/gl.h>

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
        int8_t cull, depthTest, blend, alphaTest, lighting, texture2d, colorMaterial, normalize;
        int8_t normalArray, colorArray, texCoordArray;
        int8_t light[kMaxLights];
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
    void setClientArray(GLenum array, bool on, int8_t& cached);

    void applyRasterState(bool opaqueSource);
    void applyViewport(bool pretransformed);
    void applyTransforms(bool pretransformed);
    void applyLighting(bool lit, bool vertexColor);
    void applyLights();
    void applyMaterial();
    bool applyTexture(bool enabled);
    void applyCombine();
    void bindTexture(GLuint name);
    void uploadTexture(class MemTexture* texture);

    int windowWidth_, windowHeight_;
    GLView shown_;
    bool bgraColors_ = true; // GL_BGRA as a colour array size (ARB_vertex_array_bgra)

    Switches on_;
    GLenum frontFace_, depthFunc_, blendSrc_, blendDst_, alphaFunc_, polygonMode_, shadeModel_, colorMaterialMode_;
    GLint depthMask_;
    DWORD colorWrite_, alphaRef_, ambient_;
    GLint viewport_[4];
    float depthRange_[2];
    GLuint boundTexture_;
    DWORD combine_[6];
    Space space_;
    bool modelviewValid_, projectionValid_, materialValid_, ambientValid_, specularOn_;
    D3DMATRIX world_, view_, projection_;
    DWORD projectionWidth_, projectionHeight_;
    D3DMATERIAL9 material_;
    D3DMATRIX lightView_;
    bool lightValid_[kMaxLights];
    D3DLIGHT9 light_[kMaxLights];
    std::vector<Sampler> samplers_; // by GL texture name
    std::vector<uint8_t> opaque_;   // by GL texture name: every texel has alpha 1

    std::vector<float> positions_;    // rhw != 1 vertices, as homogeneous points
    std::vector<uint32_t> colors_;    // RGBA copies when GL_BGRA arrays are missing

    FramePacer pacer_;
    size_t draws_ = 0;
};

} // namespace platform
