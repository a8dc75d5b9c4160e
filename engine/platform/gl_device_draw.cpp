// Drawing: the Direct3D 9 fixed-function state turned into OpenGL state,
// changing only what differs from the previous draw.
#include "engine/platform/gl_device_impl.h"

#include <GL/glext.h>

#include <cstring>

namespace platform {

namespace {

bool sameMatrix(const D3DMATRIX& a, const D3DMATRIX& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void multiply(const D3DMATRIX& a, const D3DMATRIX& b, D3DMATRIX& out)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] +
                          a.m[i][3] * b.m[3][j];
}

void toFloats(const D3DCOLORVALUE& c, float out[4])
{
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
    out[3] = c.a;
}

GLenum glPrimitive(D3DPRIMITIVETYPE type)
{
    switch (type) {
    case D3DPT_POINTLIST: return GL_POINTS;
    case D3DPT_LINELIST: return GL_LINES;
    case D3DPT_LINESTRIP: return GL_LINE_STRIP;
    case D3DPT_TRIANGLELIST: return GL_TRIANGLES;
    case D3DPT_TRIANGLESTRIP: return GL_TRIANGLE_STRIP;
    case D3DPT_TRIANGLEFAN: return GL_TRIANGLE_FAN;
    }
    return GL_TRIANGLES;
}

// Sprites drawn at whole units have their edges on pixel centres. Direct3D
// lights such a centre on a left or top edge, not on a right or bottom one;
// GL rasterisers decide otherwise for horizontal edges, and interpolate a
// texture coordinate there that may fall just below 0 and wrap to the far
// texel. Moving everything up and left by a fraction of a pixel, well above
// subpixel precision, gives Direct3D's pixels and texels.
constexpr float kEdgeBias = 1.0f / 32.0f;

constexpr DWORD kArgMask = 0xF;
constexpr DWORD kArgComplement = 0x10;
constexpr DWORD kArgAlphaReplicate = 0x20;

GLint combineSource(DWORD arg)
{
    // Stage 0's current colour is the diffuse one; texture factor and
    // specular arguments are never used by the engine.
    return (arg & kArgMask) == D3DTA_TEXTURE ? GL_TEXTURE : GL_PRIMARY_COLOR;
}

GLint colorOperand(DWORD arg)
{
    if (arg & kArgAlphaReplicate)
        return arg & kArgComplement ? GL_ONE_MINUS_SRC_ALPHA : GL_SRC_ALPHA;
    return arg & kArgComplement ? GL_ONE_MINUS_SRC_COLOR : GL_SRC_COLOR;
}

GLint alphaOperand(DWORD arg)
{
    return arg & kArgComplement ? GL_ONE_MINUS_SRC_ALPHA : GL_SRC_ALPHA;
}

// One side of a combiner: the GL function, its two arguments and its scale.
struct Combiner {
    GLint mode;
    DWORD arg0, arg1;
    GLfloat scale;
};

Combiner combinerFor(DWORD op, DWORD arg1, DWORD arg2)
{
    switch (op) {
    case D3DTOP_DISABLE: return {GL_REPLACE, D3DTA_DIFFUSE, D3DTA_DIFFUSE, 1.0f};
    case D3DTOP_SELECTARG1: return {GL_REPLACE, arg1, arg1, 1.0f};
    case D3DTOP_SELECTARG2: return {GL_REPLACE, arg2, arg2, 1.0f};
    case 5: return {GL_MODULATE, arg1, arg2, 2.0f}; // MODULATE2X
    case 6: return {GL_MODULATE, arg1, arg2, 4.0f}; // MODULATE4X
    case 7: return {GL_ADD, arg1, arg2, 1.0f};
    case 8: return {GL_ADD_SIGNED, arg1, arg2, 1.0f};
    case 10: return {GL_SUBTRACT, arg1, arg2, 1.0f};
    default: return {GL_MODULATE, arg1, arg2, 1.0f};
    }
}

} // namespace

void GLDevice::applyViewport(bool pretransformed)
{
    GLint v[4];
    float range[2];
    if (pretransformed) {
        // Pre-transformed vertices are window pixels, whatever the viewport.
        v[0] = 0;
        v[1] = 0;
        v[2] = windowWidth_;
        v[3] = windowHeight_;
        range[0] = 0.0f;
        range[1] = 1.0f;
    } else {
        const D3DVIEWPORT9& vp = state_.viewport;
        v[0] = GLint(vp.X);
        v[1] = windowHeight_ - GLint(vp.Y + vp.Height);
        v[2] = GLint(vp.Width);
        v[3] = GLint(vp.Height);
        range[0] = vp.MinZ;
        range[1] = vp.MaxZ;
    }
    if (std::memcmp(v, viewport_, sizeof v) != 0) {
        glViewport(v[0], v[1], v[2], v[3]);
        std::memcpy(viewport_, v, sizeof v);
    }
    if (range[0] != depthRange_[0] || range[1] != depthRange_[1]) {
        glDepthRange(range[0], range[1]);
        depthRange_[0] = range[0];
        depthRange_[1] = range[1];
    }
}

void GLDevice::applyTransforms(bool pretransformed)
{
    if (pretransformed) {
        if (space_ == Space::Screen)
            return;
        // Window pixels from the top-left, pixel centres on integers, depth = z.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-0.5 + kEdgeBias, windowWidth_ - 0.5 + kEdgeBias, windowHeight_ - 0.5 + kEdgeBias, -0.5 + kEdgeBias,
                0.0, -1.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        space_ = Space::Screen;
        modelviewValid_ = projectionValid_ = false;
        return;
    }
    space_ = Space::World;
    const D3DVIEWPORT9& vp = state_.viewport;
    if (!projectionValid_ || !sameMatrix(projection_, state_.projection) || vp.Width != projectionWidth_ ||
        vp.Height != projectionHeight_) {
        // Proj x C: Direct3D's clip depth [0, w] becomes GL's [-w, w], and the
        // pixel centres move from GL's half-pixels to Direct3D's integers.
        const D3DMATRIX& p = state_.projection;
        float sx = vp.Width ? (1.0f - 2.0f * kEdgeBias) / float(vp.Width) : 0.0f;
        float sy = vp.Height ? (2.0f * kEdgeBias - 1.0f) / float(vp.Height) : 0.0f;
        D3DMATRIX gl;
        for (int i = 0; i < 4; ++i) {
            gl.m[i][0] = p.m[i][0] + p.m[i][3] * sx;
            gl.m[i][1] = p.m[i][1] + p.m[i][3] * sy;
            gl.m[i][2] = 2.0f * p.m[i][2] - p.m[i][3];
            gl.m[i][3] = p.m[i][3];
        }
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixf(&gl._11);
        glMatrixMode(GL_MODELVIEW);
        projection_ = p;
        projectionWidth_ = vp.Width;
        projectionHeight_ = vp.Height;
        projectionValid_ = true;
    }
    if (!modelviewValid_ || !sameMatrix(world_, state_.world) || !sameMatrix(view_, state_.view)) {
        D3DMATRIX modelview;
        multiply(state_.world, state_.view, modelview);
        glLoadMatrixf(&modelview._11);
        world_ = state_.world;
        view_ = state_.view;
        modelviewValid_ = true;
    }
}

void GLDevice::applyLighting(bool lit, bool vertexColor)
{
    setSwitch(GL_LIGHTING, lit, on_.lighting);
    if (!lit)
        return;
    const DWORD* rs = state_.renderState;

    DWORD ambient = rs[D3DRS_AMBIENT];
    if (!ambientValid_ || ambient != ambient_) {
        float a[4] = {float((ambient >> 16) & 0xFF) / 255.0f, float((ambient >> 8) & 0xFF) / 255.0f,
                      float(ambient & 0xFF) / 255.0f, float(ambient >> 24) / 255.0f};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, a);
        ambient_ = ambient;
        ambientValid_ = true;
    }
    setSwitch(GL_NORMALIZE, rs[D3DRS_NORMALIZENORMALS] != 0, on_.normalize);

    // Vertex colours stand in for the material colours whose source is COLOR1.
    bool d = rs[D3DRS_DIFFUSEMATERIALSOURCE] == D3DMCS_COLOR1;
    bool a = rs[D3DRS_AMBIENTMATERIALSOURCE] == D3DMCS_COLOR1;
    bool e = rs[D3DRS_EMISSIVEMATERIALSOURCE] == D3DMCS_COLOR1;
    GLenum mode = d && a ? GL_AMBIENT_AND_DIFFUSE : d ? GL_DIFFUSE : a ? GL_AMBIENT : e ? GL_EMISSION : 0;
    bool tracking = vertexColor && rs[D3DRS_COLORVERTEX] && mode != 0;
    if (tracking && mode != colorMaterialMode_) {
        glColorMaterial(GL_FRONT_AND_BACK, mode);
        colorMaterialMode_ = mode;
        materialValid_ = false;
    }
    int8_t before = on_.colorMaterial;
    setSwitch(GL_COLOR_MATERIAL, tracking, on_.colorMaterial);
    if (before != on_.colorMaterial)
        materialValid_ = false; // the tracked colour overwrote the material

    applyMaterial();
    applyLights();
}

void GLDevice::applyMaterial()
{
    bool specular = state_.renderState[D3DRS_SPECULARENABLE] != 0;
    if (materialValid_ && specular == specularOn_ &&
        std::memcmp(&material_, &state_.material, sizeof material_) == 0)
        return;
    const D3DMATERIAL9& m = state_.material;
    float c[4];
    toFloats(m.Ambient, c);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, c);
    toFloats(m.Diffuse, c);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, c);
    toFloats(m.Emissive, c);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, c);
    float none[4] = {0, 0, 0, 0};
    if (specular)
        toFloats(m.Specular, c);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular ? c : none);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.Power < 0 ? 0.0f : m.Power > 128 ? 128.0f : m.Power);
    material_ = m;
    specularOn_ = specular;
    materialValid_ = true;
}

void GLDevice::applyLights()
{
    if (!sameMatrix(lightView_, state_.view)) {
        for (bool& v : lightValid_)
            v = false;
        lightView_ = state_.view;
    }
    bool viewLoaded = false;
    for (int i = 0; i < kMaxLights; ++i) {
        GLenum id = GLenum(GL_LIGHT0 + i);
        bool enabled = state_.lightEnabled[i] != 0;
        setSwitch(id, enabled, on_.light[i]);
        const D3DLIGHT9& l = state_.light[i];
        if (!enabled || (lightValid_[i] && std::memcmp(&light_[i], &l, sizeof l) == 0))
            continue;
        if (!viewLoaded) {
            // Light positions are world positions: GL transforms them by the modelview.
            glLoadMatrixf(&state_.view._11);
            modelviewValid_ = false;
            viewLoaded = true;
        }
        float c[4];
        toFloats(l.Diffuse, c);
        glLightfv(id, GL_DIFFUSE, c);
        toFloats(l.Specular, c);
        glLightfv(id, GL_SPECULAR, c);
        toFloats(l.Ambient, c);
        glLightfv(id, GL_AMBIENT, c);
        if (l.Type == D3DLIGHT_DIRECTIONAL) {
            float p[4] = {-l.Direction.x, -l.Direction.y, -l.Direction.z, 0.0f};
            glLightfv(id, GL_POSITION, p);
            glLightf(id, GL_SPOT_CUTOFF, 180.0f);
        } else {
            float p[4] = {l.Position.x, l.Position.y, l.Position.z, 1.0f};
            glLightfv(id, GL_POSITION, p);
            bool none = l.Attenuation0 == 0 && l.Attenuation1 == 0 && l.Attenuation2 == 0;
            glLightf(id, GL_CONSTANT_ATTENUATION, none ? 1.0f : l.Attenuation0);
            glLightf(id, GL_LINEAR_ATTENUATION, l.Attenuation1);
            glLightf(id, GL_QUADRATIC_ATTENUATION, l.Attenuation2);
            if (l.Type == D3DLIGHT_SPOT) {
                float d[3] = {l.Direction.x, l.Direction.y, l.Direction.z};
                glLightfv(id, GL_SPOT_DIRECTION, d);
                // GL has one cone: the outer one, with an exponent for the falloff.
                float cutoff = l.Phi * 0.5f * 57.2957795f;
                glLightf(id, GL_SPOT_CUTOFF, cutoff > 90.0f ? 90.0f : cutoff < 0.0f ? 0.0f : cutoff);
                glLightf(id, GL_SPOT_EXPONENT, l.Falloff < 0 ? 0.0f : l.Falloff > 128 ? 128.0f : l.Falloff);
            } else {
                glLightf(id, GL_SPOT_CUTOFF, 180.0f);
            }
        }
        light_[i] = l;
        lightValid_[i] = true;
    }
}

bool GLDevice::applyTexture(bool wanted)
{
    auto* texture = static_cast<MemTexture*>(static_cast<IDirect3DTexture9*>(state_.texture[0]));
    bool on = wanted && texture && state_.stageState[0][D3DTSS_COLOROP] != D3DTOP_DISABLE;
    setSwitch(GL_TEXTURE_2D, on, on_.texture2d);
    if (!on)
        return false;
    uploadTexture(texture);
    GLuint name = texture->backendName;
    bindTexture(name);

    const DWORD* ss = state_.samplerState[0];
    auto filter = [](DWORD f) { return f == D3DTEXF_LINEAR ? GL_LINEAR : GL_NEAREST; };
    auto wrap = [](DWORD a) {
        switch (a) {
        case 2: return GLint(GL_MIRRORED_REPEAT);
        case D3DTADDRESS_CLAMP: return GLint(GL_CLAMP_TO_EDGE);
        case 4: return GLint(GL_CLAMP_TO_BORDER);
        default: return GLint(GL_REPEAT);
        }
    };
    Sampler want{filter(ss[D3DSAMP_MINFILTER]), filter(ss[D3DSAMP_MAGFILTER]), wrap(ss[D3DSAMP_ADDRESSU]),
                 wrap(ss[D3DSAMP_ADDRESSV])};
    Sampler& have = samplers_[name];
    if (!(have == want)) {
        if (have.minFilter != want.minFilter)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, want.minFilter);
        if (have.magFilter != want.magFilter)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, want.magFilter);
        if (have.wrapS != want.wrapS)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, want.wrapS);
        if (have.wrapT != want.wrapT)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, want.wrapT);
        have = want;
    }
    applyCombine();
    // Alpha is the texture's own when stage 0 selects it unmodified.
    const DWORD* ts = state_.stageState[0];
    return opaque_[name] && ts[D3DTSS_ALPHAOP] == D3DTOP_SELECTARG1 && ts[D3DTSS_ALPHAARG1] == D3DTA_TEXTURE;
}

void GLDevice::applyCombine()
{
    const DWORD* ts = state_.stageState[0];
    DWORD key[6] = {ts[D3DTSS_COLOROP], ts[D3DTSS_COLORARG1], ts[D3DTSS_COLORARG2],
                    ts[D3DTSS_ALPHAOP], ts[D3DTSS_ALPHAARG1], ts[D3DTSS_ALPHAARG2]};
    if (std::memcmp(key, combine_, sizeof key) == 0)
        return;
    std::memcpy(combine_, key, sizeof key);

    Combiner rgb = combinerFor(key[0], key[1], key[2]);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, rgb.mode);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, combineSource(rgb.arg0));
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, colorOperand(rgb.arg0));
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, combineSource(rgb.arg1));
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, colorOperand(rgb.arg1));
    glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, rgb.scale);

    Combiner alpha = combinerFor(key[3], key[4], key[5]);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, alpha.mode);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, combineSource(alpha.arg0));
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, alphaOperand(alpha.arg0));
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_ALPHA, combineSource(alpha.arg1));
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_ALPHA, alphaOperand(alpha.arg1));
    glTexEnvf(GL_TEXTURE_ENV, GL_ALPHA_SCALE, alpha.scale);
}

void GLDevice::drawVertices(D3DPRIMITIVETYPE type, UINT, const uint8_t* bytes, UINT vertexCount, UINT stride)
{
    DWORD fvf = state_.fvf;
    bool pretransformed = (fvf & D3DFVF_XYZRHW) != 0;
    if (!pretransformed && !(fvf & D3DFVF_XYZ))
        return;
    if (stride < platformFvfStride(fvf) || vertexCount == 0)
        return;
    UINT offset = pretransformed ? 16 : 12;
    UINT normalAt = offset;
    bool hasNormal = (fvf & D3DFVF_NORMAL) != 0;
    offset += hasNormal ? 12 : 0;
    UINT colorAt = offset;
    bool hasColor = (fvf & D3DFVF_DIFFUSE) != 0;
    offset += hasColor ? 4 : 0;
    offset += (fvf & D3DFVF_SPECULAR) ? 4 : 0;
    UINT texAt = offset;
    bool hasTex = (fvf & D3DFVF_TEX1) != 0;

    bool lit = !pretransformed && state_.renderState[D3DRS_LIGHTING] != 0;
    bool opaque = applyTexture(true);
    applyRasterState(opaque);
    applyViewport(pretransformed);
    applyLighting(lit, hasColor);
    applyTransforms(pretransformed);

    bool homogeneous = false;
    if (pretransformed) {
        for (UINT i = 0; i < vertexCount && !homogeneous; ++i) {
            float rhw;
            std::memcpy(&rhw, bytes + size_t(i) * stride + 12, sizeof rhw);
            homogeneous = rhw != 1.0f;
        }
    }
    if (homogeneous) {
        // (x/rhw, y/rhw, z/rhw, 1/rhw) lands on (x, y, z) with perspective-correct texturing.
        if (positions_.size() < size_t(vertexCount) * 4)
            positions_.resize(size_t(vertexCount) * 4);
        for (UINT i = 0; i < vertexCount; ++i) {
            float v[4];
            std::memcpy(v, bytes + size_t(i) * stride, sizeof v);
            float w = v[3] != 0.0f ? 1.0f / v[3] : 1.0f;
            float* p = &positions_[size_t(i) * 4];
            p[0] = v[0] * w;
            p[1] = v[1] * w;
            p[2] = v[2] * w;
            p[3] = w;
        }
        glVertexPointer(4, GL_FLOAT, 0, positions_.data());
    } else {
        glVertexPointer(3, GL_FLOAT, GLsizei(stride), bytes);
    }

    setClientArray(GL_NORMAL_ARRAY, hasNormal && lit, on_.normalArray);
    if (hasNormal && lit)
        glNormalPointer(GL_FLOAT, GLsizei(stride), bytes + normalAt);

    setClientArray(GL_COLOR_ARRAY, hasColor, on_.colorArray);
    if (hasColor) {
        if (bgraColors_) {
            glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, GLsizei(stride), bytes + colorAt);
        } else {
            if (colors_.size() < vertexCount)
                colors_.resize(vertexCount);
            for (UINT i = 0; i < vertexCount; ++i) {
                uint32_t c;
                std::memcpy(&c, bytes + size_t(i) * stride + colorAt, sizeof c);
                colors_[i] = (c & 0xFF00FF00u) | ((c >> 16) & 0xFFu) | ((c & 0xFFu) << 16);
            }
            glColorPointer(4, GL_UNSIGNED_BYTE, 0, colors_.data());
        }
    }

    bool textured = hasTex && on_.texture2d == 1;
    setClientArray(GL_TEXTURE_COORD_ARRAY, textured, on_.texCoordArray);
    if (textured)
        glTexCoordPointer(2, GL_FLOAT, GLsizei(stride), bytes + texAt);

    ++draws_;
    glDrawArrays(glPrimitive(type), 0, GLsizei(vertexCount));
}

} // namespace platform
