// Drawing: the Direct3D 9 fixed-function state turned into a shader variant
// and its uniforms, vertices streamed through one buffer, changing only what
// differs from the previous draw.
#include "engine/platform/gl_device_impl.h"

#include <cmath>
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

void rgb(const D3DCOLORVALUE& c, float out[3])
{
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
}

// A point or a direction (w = 0) seen from the camera: row vector times the view.
void toEye(const D3DMATRIX& view, float x, float y, float z, float w, float out[3])
{
    for (int j = 0; j < 3; ++j)
        out[j] = x * view.m[0][j] + y * view.m[1][j] + z * view.m[2][j] + w * view.m[3][j];
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

} // namespace

bool GLDevice::MaterialUniforms::operator==(const MaterialUniforms& o) const
{
    return std::memcmp(this, &o, sizeof o) == 0;
}

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
        glDepthRangeBoth(range[0], range[1]);
        depthRange_[0] = range[0];
        depthRange_[1] = range[1];
    }
}

// True, and the group marked as sent, when the program in use has not yet
// received the group's current values.
bool GLDevice::stale(UniformGroup group)
{
    uint32_t& seen = program_->seen[group];
    if (seen == version_[group])
        return false;
    seen = version_[group];
    return true;
}

void GLDevice::sendTransforms(bool pretransformed)
{
    if (pretransformed) {
        if (space_ != Space::Screen) {
            // Window pixels from the top-left, pixel centres on integers, depth = z:
            // an orthographic projection (GL's glOrtho) with far at -1.
            float l = -0.5f + kEdgeBias, r = float(windowWidth_) - 0.5f + kEdgeBias;
            float b = float(windowHeight_) - 0.5f + kEdgeBias, t = -0.5f + kEdgeBias;
            std::memset(mvp_, 0, sizeof mvp_);
            mvp_[0] = 2.0f / (r - l);
            mvp_[5] = 2.0f / (t - b);
            mvp_[10] = 2.0f;
            mvp_[12] = -(r + l) / (r - l);
            mvp_[13] = -(t + b) / (t - b);
            mvp_[14] = -1.0f;
            mvp_[15] = 1.0f;
            space_ = Space::Screen;
            ++version_[kGroupTransform];
        }
    } else {
        const D3DVIEWPORT9& vp = state_.viewport;
        if (space_ != Space::World || !sameMatrix(projection_, state_.projection) || vp.Width != projectionWidth_ ||
            vp.Height != projectionHeight_ || !sameMatrix(world_, state_.world) || !sameMatrix(view_, state_.view)) {
            // Proj x C: Direct3D's clip depth [0, w] becomes GL's [-w, w], and the
            // pixel centres move from GL's half-pixels to Direct3D's integers.
            const D3DMATRIX& p = state_.projection;
            float sx = vp.Width ? (1.0f - 2.0f * kEdgeBias) / float(vp.Width) : 0.0f;
            float sy = vp.Height ? (2.0f * kEdgeBias - 1.0f) / float(vp.Height) : 0.0f;
            D3DMATRIX gl, modelview, mvp;
            for (int i = 0; i < 4; ++i) {
                gl.m[i][0] = p.m[i][0] + p.m[i][3] * sx;
                gl.m[i][1] = p.m[i][1] + p.m[i][3] * sy;
                gl.m[i][2] = 2.0f * p.m[i][2] - p.m[i][3];
                gl.m[i][3] = p.m[i][3];
            }
            // Row vectors times matrices: read column-major, these are GL's matrices.
            multiply(state_.world, state_.view, modelview);
            multiply(modelview, gl, mvp);
            std::memcpy(mvp_, &mvp._11, sizeof mvp_);
            std::memcpy(modelview_, &modelview._11, sizeof modelview_);
            const float(*m)[4] = modelview.m;
            float c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1], c01 = m[1][2] * m[2][0] - m[1][0] * m[2][2],
                  c02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
            float det = m[0][0] * c00 + m[0][1] * c01 + m[0][2] * c02;
            float inv = det != 0.0f ? 1.0f / det : 0.0f;
            float cof[9] = {c00,
                            c01,
                            c02,
                            m[0][2] * m[2][1] - m[0][1] * m[2][2],
                            m[0][0] * m[2][2] - m[0][2] * m[2][0],
                            m[0][1] * m[2][0] - m[0][0] * m[2][1],
                            m[0][1] * m[1][2] - m[0][2] * m[1][1],
                            m[0][2] * m[1][0] - m[0][0] * m[1][2],
                            m[0][0] * m[1][1] - m[0][1] * m[1][0]};
            // GL's normal matrix is the 3 x 3's inverse for column vectors: its
            // columns are the cofactor matrix's rows over the determinant.
            for (int i = 0; i < 9; ++i)
                normalMatrix_[i] = cof[i] * inv;
            projection_ = p;
            projectionWidth_ = vp.Width;
            projectionHeight_ = vp.Height;
            world_ = state_.world;
            view_ = state_.view;
            space_ = Space::World;
            ++version_[kGroupTransform];
        }
    }
    if (!stale(kGroupTransform))
        return;
    ShaderProgram& p = *program_;
    glUniformMatrix4fv(p.mvp, 1, GL_FALSE, mvp_);
    if (p.modelview >= 0)
        glUniformMatrix4fv(p.modelview, 1, GL_FALSE, modelview_);
    if (p.normalMatrix >= 0)
        glUniformMatrix3fv(p.normalMatrix, 1, GL_FALSE, normalMatrix_);
}

void GLDevice::sendLights()
{
    // The enabled lights in order, as the camera sees them.
    LightUniforms u;
    std::memset(&u, 0, sizeof u);
    const D3DMATRIX& view = state_.view;
    for (int i = 0; i < kMaxLights && u.count < kShaderLights; ++i) {
        if (!state_.lightEnabled[i])
            continue;
        const D3DLIGHT9& l = state_.light[i];
        int n = u.count++;
        rgb(l.Diffuse, u.diffuse[n]);
        rgb(l.Specular, u.specular[n]);
        rgb(l.Ambient, u.ambient[n]);
        u.spotCos[n] = -2.0f; // no cone
        if (l.Type == D3DLIGHT_DIRECTIONAL) {
            toEye(view, -l.Direction.x, -l.Direction.y, -l.Direction.z, 0.0f, u.position[n]);
            u.position[n][3] = 0.0f;
            u.attenuation[n][0] = 1.0f;
            continue;
        }
        toEye(view, l.Position.x, l.Position.y, l.Position.z, 1.0f, u.position[n]);
        u.position[n][3] = 1.0f;
        bool none = l.Attenuation0 == 0 && l.Attenuation1 == 0 && l.Attenuation2 == 0;
        u.attenuation[n][0] = none ? 1.0f : l.Attenuation0;
        u.attenuation[n][1] = l.Attenuation1;
        u.attenuation[n][2] = l.Attenuation2;
        if (l.Type == D3DLIGHT_SPOT) {
            float* d = u.spotDirection[n];
            toEye(view, l.Direction.x, l.Direction.y, l.Direction.z, 0.0f, d);
            float len = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
            for (int j = 0; len > 0.0f && j < 3; ++j)
                d[j] /= len;
            // One cone: the outer one, with an exponent for the falloff.
            float cutoff = l.Phi * 0.5f * 57.2957795f;
            cutoff = cutoff > 90.0f ? 90.0f : cutoff < 0.0f ? 0.0f : cutoff;
            u.spotCos[n] = std::cos(cutoff * 0.0174532925f);
            u.spotExponent[n] = l.Falloff < 0 ? 0.0f : l.Falloff > 128 ? 128.0f : l.Falloff;
        }
    }
    if (std::memcmp(&u, &lights_, sizeof u) != 0) {
        lights_ = u;
        ++version_[kGroupLights];
    }
    if (!stale(kGroupLights))
        return;
    ShaderProgram& p = *program_;
    glUniform1i(p.lightCount, lights_.count);
    if (lights_.count == 0)
        return;
    GLsizei n = lights_.count;
    glUniform4fv(p.lightPosition, n, &lights_.position[0][0]);
    glUniform3fv(p.lightDiffuse, n, &lights_.diffuse[0][0]);
    if (p.lightSpecular >= 0)
        glUniform3fv(p.lightSpecular, n, &lights_.specular[0][0]);
    glUniform3fv(p.lightAmbient, n, &lights_.ambient[0][0]);
    glUniform3fv(p.lightAttenuation, n, &lights_.attenuation[0][0]);
    glUniform3fv(p.spotDirection, n, &lights_.spotDirection[0][0]);
    glUniform1fv(p.spotCos, n, lights_.spotCos);
    glUniform1fv(p.spotExponent, n, lights_.spotExponent);
}

void GLDevice::sendMaterial(bool vertexColor)
{
    const DWORD* rs = state_.renderState;
    const D3DMATERIAL9& m = state_.material;
    MaterialUniforms u;
    std::memset(&u, 0, sizeof u);
    rgb(m.Ambient, u.ambient);
    rgb(m.Diffuse, u.diffuse);
    u.diffuse[3] = m.Diffuse.a;
    if (rs[D3DRS_SPECULARENABLE])
        rgb(m.Specular, u.specular);
    rgb(m.Emissive, u.emissive);
    u.shininess = m.Power < 0 ? 0.0f : m.Power > 128 ? 128.0f : m.Power;
    DWORD ambient = rs[D3DRS_AMBIENT];
    u.sceneAmbient[0] = float((ambient >> 16) & 0xFF) / 255.0f;
    u.sceneAmbient[1] = float((ambient >> 8) & 0xFF) / 255.0f;
    u.sceneAmbient[2] = float(ambient & 0xFF) / 255.0f;
    // Vertex colours stand in for the material colours whose source is COLOR1:
    // ambient and diffuse, or either, else emissive.
    if (vertexColor && rs[D3DRS_COLORVERTEX]) {
        bool d = rs[D3DRS_DIFFUSEMATERIALSOURCE] == D3DMCS_COLOR1;
        bool a = rs[D3DRS_AMBIENTMATERIALSOURCE] == D3DMCS_COLOR1;
        bool e = rs[D3DRS_EMISSIVEMATERIALSOURCE] == D3DMCS_COLOR1;
        u.track[0] = a ? 1.0f : 0.0f;
        u.track[1] = d ? 1.0f : 0.0f;
        u.track[2] = e && !a && !d ? 1.0f : 0.0f;
    }
    if (!materialValid_ || !(u == material_)) {
        material_ = u;
        materialValid_ = true;
        ++version_[kGroupMaterial];
    }
    if (!stale(kGroupMaterial))
        return;
    ShaderProgram& p = *program_;
    glUniform3fv(p.materialAmbient, 1, material_.ambient);
    glUniform4fv(p.materialDiffuse, 1, material_.diffuse);
    if (p.materialSpecular >= 0)
        glUniform3fv(p.materialSpecular, 1, material_.specular);
    if (p.shininess >= 0)
        glUniform1f(p.shininess, material_.shininess);
    glUniform3fv(p.materialEmissive, 1, material_.emissive);
    glUniform3fv(p.sceneAmbient, 1, material_.sceneAmbient);
    glUniform3fv(p.track, 1, material_.track);
}

void GLDevice::sendAlphaRef()
{
    float ref = float(state_.renderState[D3DRS_ALPHAREF] & 0xFF) / 255.0f;
    if (ref != alphaRef_) {
        alphaRef_ = ref;
        ++version_[kGroupAlphaRef];
    }
    if (stale(kGroupAlphaRef))
        glUniform1f(program_->alphaRef, alphaRef_);
}

bool GLDevice::applyTexture(ShaderOptions& o)
{
    auto* texture = static_cast<MemTexture*>(static_cast<IDirect3DTexture9*>(state_.texture[0]));
    const DWORD* ts = state_.stageState[0];
    o.textured = texture && ts[D3DTSS_COLOROP] != D3DTOP_DISABLE;
    if (!o.textured)
        return false;
    o.colorOp = uint8_t(ts[D3DTSS_COLOROP]);
    o.colorArg1 = uint8_t(ts[D3DTSS_COLORARG1]);
    o.colorArg2 = uint8_t(ts[D3DTSS_COLORARG2]);
    o.alphaOp = uint8_t(ts[D3DTSS_ALPHAOP]);
    o.alphaArg1 = uint8_t(ts[D3DTSS_ALPHAARG1]);
    o.alphaArg2 = uint8_t(ts[D3DTSS_ALPHAARG2]);
    uploadTexture(texture);
    GLuint name = texture->backendName;
    bindTexture(name);

    const DWORD* ss = state_.samplerState[0];
    auto filter = [](DWORD f) { return f == D3DTEXF_LINEAR ? GL_LINEAR : GL_NEAREST; };
    auto wrap = [](DWORD a) {
        switch (a) {
        case 2: return GLint(GL_MIRRORED_REPEAT);
        // OpenGL ES has no border colour: the border mode clamps to the edge.
        case D3DTADDRESS_CLAMP:
        case 4: return GLint(GL_CLAMP_TO_EDGE);
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
    // Alpha is the texture's own when stage 0 selects it unmodified.
    return opaque_[name] && ts[D3DTSS_ALPHAOP] == D3DTOP_SELECTARG1 && ts[D3DTSS_ALPHAARG1] == D3DTA_TEXTURE;
}

bool GLDevice::useProgram(const ShaderOptions& options)
{
    ShaderProgram* p = shaders_.get(options);
    if (!p)
        return false;
    // A variant just built is in use already; binding it again is harmless.
    if (p != program_) {
        glUseProgram(p->program);
        program_ = p;
    }
    return true;
}

GLintptr GLDevice::streamVertices(const uint8_t* bytes, size_t size)
{
    if (!streamBound_) {
        glBindBuffer(GL_ARRAY_BUFFER, stream_);
        streamBound_ = true;
    }
    // New storage for every draw: writing into storage an earlier draw still
    // reads makes a software rasteriser (llvmpipe) finish that draw first.
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(size), bytes, GL_STREAM_DRAW);
    return 0;
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

    const DWORD* rs = state_.renderState;
    ShaderOptions o;
    o.pretransformed = pretransformed;
    o.lit = !pretransformed && rs[D3DRS_LIGHTING] != 0;
    o.normalize = rs[D3DRS_NORMALIZENORMALS] != 0;
    o.specular = rs[D3DRS_SPECULARENABLE] != 0;
    DWORD alphaFunc = rs[D3DRS_ALPHAFUNC];
    if (rs[D3DRS_ALPHATESTENABLE] && alphaFunc >= D3DCMP_NEVER && alphaFunc < D3DCMP_ALWAYS)
        o.alphaTest = uint8_t(alphaFunc);
    bool opaque = applyTexture(o);
    if (!useProgram(o))
        return;
    applyRasterState(opaque);
    applyViewport(pretransformed);
    sendTransforms(pretransformed);
    if (o.lit) {
        sendLights();
        sendMaterial(hasColor);
    }
    if (o.alphaTest)
        sendAlphaRef();

    GLintptr base = streamVertices(bytes, size_t(vertexCount) * stride);
    auto at = [base](UINT field) { return reinterpret_cast<const void*>(base + GLintptr(field)); };
    setArray(kAttrPosition, true);
    glVertexAttribPointer(kAttrPosition, pretransformed ? 4 : 3, GL_FLOAT, GL_FALSE, GLsizei(stride), at(0));
    bool normals = hasNormal && o.lit;
    setArray(kAttrNormal, normals);
    if (normals)
        glVertexAttribPointer(kAttrNormal, 3, GL_FLOAT, GL_FALSE, GLsizei(stride), at(normalAt));
    setArray(kAttrColor, hasColor);
    if (hasColor)
        glVertexAttribPointer(kAttrColor, 4, GL_UNSIGNED_BYTE, GL_TRUE, GLsizei(stride), at(colorAt));
    bool texcoords = hasTex && o.textured;
    setArray(kAttrTexCoord, texcoords);
    if (texcoords)
        glVertexAttribPointer(kAttrTexCoord, 2, GL_FLOAT, GL_FALSE, GLsizei(stride), at(texAt));

    ++draws_;
    glDrawArrays(glPrimitive(type), 0, GLsizei(vertexCount));
}

} // namespace platform
