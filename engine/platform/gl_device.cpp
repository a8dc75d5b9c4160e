#include "engine/platform/gl_device.h"
#include "engine/platform/gl_device_impl.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <cerrno>
#include <ctime>

namespace platform {

namespace {

class GLDirect3D : public RefCounted<IDirect3D9> {
public:
    HRESULT CheckDeviceType(UINT, D3DDEVTYPE, D3DFORMAT, D3DFORMAT, BOOL) override { return D3D_OK; }

    HRESULT CreateDevice(UINT, D3DDEVTYPE, HWND, DWORD, D3DPRESENT_PARAMETERS* params,
                         IDirect3DDevice9** device) override
    {
        if (!params || !device)
            return D3DERR_INVALIDCALL;
        *device = nullptr;
        SDL_Surface* screen = SDL_GetVideoSurface();
        if (!screen || !(screen->flags & SDL_OPENGL)) {
            std::fprintf(stderr, "Direct3D: no OpenGL window; open the SDL video mode with SDL_OPENGL first\n");
            return D3DERR_NOTAVAILABLE;
        }
        // A windowed device takes the window's size when none is given.
        if (params->BackBufferWidth == 0)
            params->BackBufferWidth = UINT(screen->w);
        if (params->BackBufferHeight == 0)
            params->BackBufferHeight = UINT(screen->h);
        *device = new GLDevice(*params, screen->w, screen->h);
        return D3D_OK;
    }
};

GLenum glBlend(DWORD b)
{
    switch (b) {
    case D3DBLEND_ZERO: return GL_ZERO;
    case D3DBLEND_ONE: return GL_ONE;
    case D3DBLEND_SRCCOLOR: return GL_SRC_COLOR;
    case D3DBLEND_INVSRCCOLOR: return GL_ONE_MINUS_SRC_COLOR;
    case D3DBLEND_SRCALPHA: return GL_SRC_ALPHA;
    case D3DBLEND_INVSRCALPHA: return GL_ONE_MINUS_SRC_ALPHA;
    case 7: return GL_DST_ALPHA;
    case 8: return GL_ONE_MINUS_DST_ALPHA;
    case 9: return GL_DST_COLOR;
    case 10: return GL_ONE_MINUS_DST_COLOR;
    case 11: return GL_SRC_ALPHA_SATURATE;
    }
    return GL_ONE;
}

GLenum glCompare(DWORD f)
{
    return f >= D3DCMP_NEVER && f <= D3DCMP_ALWAYS ? GLenum(GL_NEVER + (f - D3DCMP_NEVER)) : GL_ALWAYS;
}

// The real clock, sleep and swap for the pacer.
class GLPacingDisplay : public PacingDisplay {
public:
    int64_t now() override
    {
        timespec t;
        clock_gettime(CLOCK_MONOTONIC, &t);
        return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    void sleepUntil(int64_t when) override
    {
        timespec due{time_t(when / 1000000000), long(when % 1000000000)};
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
        }
    }
    void finish() override { glFinish(); }
    void swap() override { SDL_GL_SwapBuffers(); }
};

} // namespace

IDirect3D9* createGLDirect3D()
{
    return new GLDirect3D;
}

// ---- device -----------------------------------------------------------------

bool GLDevice::pacing = true;

GLDevice::GLDevice(const D3DPRESENT_PARAMETERS& params, int windowWidth, int windowHeight)
    : StateDevice(params), windowWidth_(windowWidth), windowHeight_(windowHeight)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glCullFace(GL_BACK);
    glGenBuffers(1, &stream_);
    for (uint32_t& v : version_)
        v = 1;
    invalidateCache();
    syncWindow();
}

GLDevice::~GLDevice()
{
    glDeleteBuffers(1, &stream_);
}

void GLDevice::invalidateCache()
{
    std::memset(&on_, -1, sizeof on_);
    frontFace_ = depthFunc_ = blendSrc_ = blendDst_ = 0;
    depthMask_ = -1;
    colorWrite_ = 0xFFFFFFFFu;
    for (GLint& v : viewport_)
        v = -1;
    depthRange_[0] = depthRange_[1] = -1.0f;
    boundTexture_ = 0xFFFFFFFFu;
    program_ = nullptr;
    streamBound_ = false;
    space_ = Space::Unknown;
    materialValid_ = false;
    std::memset(&lights_, 0, sizeof lights_);
    lights_.count = -1;
    alphaRef_ = -1.0f;
    for (uint32_t& v : version_)
        ++v;
    for (Sampler& s : samplers_)
        s = Sampler{0, 0, 0, 0};
}

HRESULT GLDevice::Reset(D3DPRESENT_PARAMETERS* params)
{
    HRESULT hr = StateDevice::Reset(params);
    invalidateCache();
    syncWindow();
    return hr;
}

// The window may have changed size (full screen on or off) since the last
// frame: draws keep their place in its top-left corner.
void GLDevice::syncWindow()
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen || (screen->w == windowWidth_ && screen->h == windowHeight_))
        return;
    windowWidth_ = screen->w;
    windowHeight_ = screen->h;
    invalidateCache();
}

// A window larger than the back buffer shows it stretched, as Direct3D does.
void GLDevice::showView()
{
    int width = int(presentParameters().BackBufferWidth), height = int(presentParameters().BackBufferHeight);
    if (width <= 0 || height <= 0 || windowWidth_ < width || windowHeight_ < height ||
        (windowWidth_ == width && windowHeight_ == height))
        return;
    shown_.show(width, height, windowWidth_, windowHeight_);
    invalidateCache();
}

void GLDevice::setSwitch(GLenum cap, bool on, int8_t& cached)
{
    if (cached == int8_t(on))
        return;
    cached = int8_t(on);
    if (on)
        glEnable(cap);
    else
        glDisable(cap);
}

void GLDevice::setArray(GLuint attribute, bool on)
{
    int8_t& cached = on_.array[attribute];
    if (cached == int8_t(on))
        return;
    cached = int8_t(on);
    if (on) {
        glEnableVertexAttribArray(attribute);
        return;
    }
    glDisableVertexAttribArray(attribute);
    // Without its array the attribute keeps one value: Direct3D's for a missing component.
    if (attribute == kAttrNormal)
        glVertexAttrib3f(attribute, 0.0f, 0.0f, 0.0f);
    else if (attribute == kAttrColor)
        glVertexAttrib4f(attribute, 1.0f, 1.0f, 1.0f, 1.0f);
    else if (attribute == kAttrTexCoord)
        glVertexAttrib2f(attribute, 0.0f, 0.0f);
}

HRESULT GLDevice::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z, DWORD stencil)
{
    syncWindow();
    GLbitfield mask = 0;
    if (flags & D3DCLEAR_TARGET) {
        glClearColor(float((color >> 16) & 0xFF) / 255.0f, float((color >> 8) & 0xFF) / 255.0f,
                     float(color & 0xFF) / 255.0f, float(color >> 24) / 255.0f);
        if (colorWrite_ != 0xF) {
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            colorWrite_ = 0xF;
        }
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_ZBUFFER) {
        glClearDepthBoth(z);
        if (depthMask_ != GL_TRUE) {
            glDepthMask(GL_TRUE);
            depthMask_ = GL_TRUE;
        }
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_STENCIL) {
        glClearStencil(GLint(stencil));
        mask |= GL_STENCIL_BUFFER_BIT;
    }
    if (mask == 0)
        return D3D_OK;

    // Clearing is limited to the viewport, and to the rectangles when given.
    const D3DVIEWPORT9& vp = state_.viewport;
    LONG vx1 = LONG(vp.X), vy1 = LONG(vp.Y), vx2 = LONG(vp.X + vp.Width), vy2 = LONG(vp.Y + vp.Height);
    bool whole = vx1 <= 0 && vy1 <= 0 && vx2 >= windowWidth_ && vy2 >= windowHeight_;
    if ((count == 0 || !rects) && whole) {
        glClear(mask);
        return D3D_OK;
    }
    glEnable(GL_SCISSOR_TEST);
    DWORD n = count && rects ? count : 1;
    for (DWORD i = 0; i < n; ++i) {
        LONG x1 = vx1, y1 = vy1, x2 = vx2, y2 = vy2;
        if (count && rects) {
            x1 = std::max(x1, rects[i].x1);
            y1 = std::max(y1, rects[i].y1);
            x2 = std::min(x2, rects[i].x2);
            y2 = std::min(y2, rects[i].y2);
        }
        if (x2 <= x1 || y2 <= y1)
            continue;
        glScissor(x1, windowHeight_ - y2, x2 - x1, y2 - y1);
        glClear(mask);
    }
    glDisable(GL_SCISSOR_TEST);
    return D3D_OK;
}

HRESULT GLDevice::Present(const RECT*, const RECT*, HWND, const RGNDATA*)
{
    syncWindow();
    showView();
#ifdef __EMSCRIPTEN__
    // The browser shows the canvas when the animation frame returns, and
    // runFrames keeps the 60 Hz schedule: no swap, no sleep.
    return D3D_OK;
#endif
    if (pacing) {
        GLPacingDisplay display;
        pacer_.present(display);
    } else {
        SDL_GL_SwapBuffers();
    }
    return D3D_OK;
}

// ---- textures ---------------------------------------------------------------

void GLDevice::releaseTextureName(unsigned name)
{
    GLuint n = name;
    glDeleteTextures(1, &n);
    if (boundTexture_ == n)
        boundTexture_ = 0xFFFFFFFFu;
    if (n < samplers_.size())
        samplers_[n] = Sampler{0, 0, 0, 0};
}

void GLDevice::bindTexture(GLuint name)
{
    if (boundTexture_ == name)
        return;
    glBindTexture(GL_TEXTURE_2D, name);
    boundTexture_ = name;
}

void GLDevice::uploadTexture(MemTexture* t)
{
    bool fresh = t->backendName == 0;
    if (fresh) {
        GLuint name = 0;
        glGenTextures(1, &name);
        t->backendName = name;
        t->backendVersion = 0;
    }
    // Another device on this context may have named the texture.
    if (t->backendName >= samplers_.size()) {
        samplers_.resize(t->backendName + 64, Sampler{0, 0, 0, 0});
        opaque_.resize(t->backendName + 64, 0);
    }
    if (fresh)
        samplers_[t->backendName] = Sampler{0, 0, 0, 0};
    if (t->backendVersion == t->version)
        return;
    bindTexture(t->backendName);
    if (fresh) {
        // One level: complete without mipmaps, whatever the first draw's filter.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        samplers_[t->backendName].minFilter = GL_NEAREST;
    }

    // RGBA bytes, the one layout both OpenGL and OpenGL ES take; 4-bit
    // channels widened as GL widens them (n * 17), X8 read as opaque.
    size_t texels = size_t(t->width) * t->height;
    rgba_.resize(texels * 4);
    bool opaque = true;
    const uint8_t* in = t->texels.data();
    uint8_t* out = rgba_.data();
    for (size_t i = 0; i < texels; ++i, out += 4) {
        if (t->format == D3DFMT_A4R4G4B4) {
            uint8_t lo = in[2 * i], hi = in[2 * i + 1];
            out[0] = uint8_t((hi & 0x0F) * 17);
            out[1] = uint8_t((lo >> 4) * 17);
            out[2] = uint8_t((lo & 0x0F) * 17);
            out[3] = uint8_t((hi >> 4) * 17);
        } else {
            const uint8_t* bgra = in + 4 * i;
            out[0] = bgra[2];
            out[1] = bgra[1];
            out[2] = bgra[0];
            out[3] = t->format == D3DFMT_X8R8G8B8 ? 0xFF : bgra[3];
        }
        opaque = opaque && out[3] == 0xFF;
    }
    if (fresh)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, GLsizei(t->width), GLsizei(t->height), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     rgba_.data());
    else
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, GLsizei(t->width), GLsizei(t->height), GL_RGBA, GL_UNSIGNED_BYTE,
                        rgba_.data());
    t->backendVersion = t->version;
    opaque_[t->backendName] = opaque;
}

// ---- render states ------------------------------------------------------------

void GLDevice::applyRasterState(bool opaqueSource)
{
    const DWORD* rs = state_.renderState;

    DWORD cull = rs[D3DRS_CULLMODE];
    setSwitch(GL_CULL_FACE, cull == D3DCULL_CW || cull == D3DCULL_CCW, on_.cull);
    // A Direct3D front face is clockwise on screen; the culled one is the back.
    GLenum front = cull == D3DCULL_CW ? GL_CCW : GL_CW;
    if (on_.cull && front != frontFace_) {
        glFrontFace(front);
        frontFace_ = front;
    }

    bool depth = rs[D3DRS_ZENABLE] != D3DZB_FALSE;
    setSwitch(GL_DEPTH_TEST, depth, on_.depthTest);
    if (depth) {
        GLenum func = glCompare(rs[D3DRS_ZFUNC]);
        if (func != depthFunc_) {
            glDepthFunc(func);
            depthFunc_ = func;
        }
        GLint mask = rs[D3DRS_ZWRITEENABLE] ? GL_TRUE : GL_FALSE;
        if (mask != depthMask_) {
            glDepthMask(GLboolean(mask));
            depthMask_ = mask;
        }
    }

    // Blending a source of alpha 1 by its alpha leaves it unchanged: the
    // opaque pictures (the background) skip reading the frame buffer.
    bool blend = rs[D3DRS_ALPHABLENDENABLE] != 0 &&
                 !(opaqueSource && rs[D3DRS_SRCBLEND] == D3DBLEND_SRCALPHA && rs[D3DRS_DESTBLEND] == D3DBLEND_INVSRCALPHA);
    setSwitch(GL_BLEND, blend, on_.blend);
    if (blend) {
        GLenum src = glBlend(rs[D3DRS_SRCBLEND]), dst = glBlend(rs[D3DRS_DESTBLEND]);
        if (src != blendSrc_ || dst != blendDst_) {
            glBlendFunc(src, dst);
            blendSrc_ = src;
            blendDst_ = dst;
        }
    }

    DWORD write = rs[D3DRS_COLORWRITEENABLE] & 0xF;
    if (write != colorWrite_) {
        glColorMask(GLboolean(write & 1), GLboolean((write >> 1) & 1), GLboolean((write >> 2) & 1),
                    GLboolean((write >> 3) & 1));
        colorWrite_ = write;
    }

    // Fill and shade modes stay solid and Gouraud: OpenGL ES has neither
    // polygon modes nor flat shading, and the engine sets no other.
}

} // namespace platform
