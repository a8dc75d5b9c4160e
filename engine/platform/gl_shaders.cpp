#include "engine/platform/gl_shaders.h"

#include "engine/platform/d3d9.h"

#include <cstdio>
#include <string>
#include <vector>

namespace platform {

namespace {

// OpenGL's fixed-function lighting, which Direct3D's lights were always drawn
// with here: eye space, a local viewer, the specular colour kept apart and
// added after texturing, colours clamped per vertex.
const char* const kVertexShader = R"(
attribute vec4 a_position;
attribute vec3 a_normal;
attribute vec4 a_color;
attribute vec2 a_texcoord;
uniform mat4 u_mvp;
varying vec4 v_color;
varying vec2 v_texcoord;
#ifdef SPECULAR
varying vec3 v_specular;
#endif
#ifdef LIT
uniform mat4 u_modelview;
uniform mat3 u_normalMatrix;
uniform int u_lightCount;
uniform vec4 u_lightPosition[8];
uniform vec3 u_lightDiffuse[8];
uniform vec3 u_lightSpecular[8];
uniform vec3 u_lightAmbient[8];
uniform vec3 u_lightAttenuation[8];
uniform vec3 u_spotDirection[8];
uniform float u_spotCos[8];
uniform float u_spotExponent[8];
uniform vec3 u_materialAmbient;
uniform vec4 u_materialDiffuse;
uniform vec3 u_materialSpecular;
uniform vec3 u_materialEmissive;
uniform float u_shininess;
uniform vec3 u_sceneAmbient;
uniform vec3 u_track; // the vertex colour stands in for: ambient, diffuse, emissive (1 or 0)
#endif

void main()
{
    vec4 color = a_color.zyxw; // Direct3D colours are B, G, R, A in memory
#ifdef PRETRANSFORMED
    // (x/rhw, y/rhw, z/rhw, 1/rhw): perspective-correct interpolation.
    float w = a_position.w != 0.0 ? 1.0 / a_position.w : 1.0;
    gl_Position = u_mvp * vec4(a_position.xyz * w, w);
#else
    vec4 position = vec4(a_position.xyz, 1.0);
    gl_Position = u_mvp * position;
#endif
    gl_PointSize = 1.0;
    v_texcoord = a_texcoord;
#ifdef LIT
    vec4 eye = u_modelview * position;
    vec3 ecPosition = eye.xyz / eye.w;
    vec3 n = u_normalMatrix * a_normal;
#ifdef NORMALIZE
    float length2 = dot(n, n);
    if (length2 > 0.0)
        n *= inversesqrt(length2);
#endif
    vec3 toViewer = -normalize(ecPosition);
    vec3 ambient = vec3(0.0), diffuse = vec3(0.0), specular = vec3(0.0);
    for (int i = 0; i < 8; ++i) {
        if (i >= u_lightCount)
            break;
        vec3 l;
        float attenuation = 1.0;
        if (u_lightPosition[i].w == 0.0) {
            l = normalize(u_lightPosition[i].xyz);
        } else {
            vec3 d = u_lightPosition[i].xyz - ecPosition;
            float distance = length(d);
            l = d / distance;
            vec3 k = u_lightAttenuation[i];
            attenuation = 1.0 / (k.x + k.y * distance + k.z * distance * distance);
            if (u_spotCos[i] > -1.0) {
                float c = dot(-l, u_spotDirection[i]);
                attenuation *= c >= u_spotCos[i] ? pow(max(c, 0.0), u_spotExponent[i]) : 0.0;
            }
        }
        ambient += attenuation * u_lightAmbient[i];
        float nl = dot(n, l);
        if (nl > 0.0) {
            diffuse += attenuation * nl * u_lightDiffuse[i];
#ifdef SPECULAR
            float nh = max(dot(n, normalize(l + toViewer)), 0.0);
            float power = nh > 0.0 ? pow(nh, u_shininess) : (u_shininess == 0.0 ? 1.0 : 0.0);
            specular += attenuation * power * u_lightSpecular[i];
#endif
        }
    }
    vec3 materialAmbient = mix(u_materialAmbient, color.rgb, u_track.x);
    vec4 materialDiffuse = mix(u_materialDiffuse, color, u_track.y);
    vec3 materialEmissive = mix(u_materialEmissive, color.rgb, u_track.z);
    vec3 lit = materialEmissive + u_sceneAmbient * materialAmbient + ambient * materialAmbient +
               diffuse * materialDiffuse.rgb;
    v_color = clamp(vec4(lit, materialDiffuse.a), 0.0, 1.0);
#ifdef SPECULAR
    v_specular = clamp(specular * u_materialSpecular, 0.0, 1.0);
#endif
#else
    v_color = color;
#ifdef SPECULAR
    v_specular = vec3(0.0);
#endif
#endif
}
)";

const char* const kFragmentShader = R"(
varying vec4 v_color;
varying vec2 v_texcoord;
#ifdef SPECULAR
varying vec3 v_specular;
#endif
#ifdef TEXTURED
uniform sampler2D u_texture;
#endif
#ifdef ALPHA_PASSES
uniform float u_alphaRef;
#endif

void main()
{
    vec4 d = v_color;
#ifdef TEXTURED
    vec4 t = texture2D(u_texture, v_texcoord);
    vec4 color = vec4(clamp(COMBINE_RGB, 0.0, 1.0), clamp(COMBINE_ALPHA, 0.0, 1.0));
#else
    vec4 color = d;
#endif
#ifdef SPECULAR
    color.rgb = min(color.rgb + v_specular, 1.0);
#endif
#ifdef ALPHA_PASSES
    float a = color.a;
    if (!(ALPHA_PASSES))
        discard;
#endif
    gl_FragColor = color;
}
)";

constexpr DWORD kArgMask = 0xF;
constexpr DWORD kArgComplement = 0x10;
constexpr DWORD kArgAlphaReplicate = 0x20;

// One argument of the stage: the texture, or the diffuse colour for every
// other source (stage 0's current colour is the diffuse one; texture factor
// and specular arguments are never used by the engine).
std::string argument(DWORD arg, bool alpha)
{
    std::string source = (arg & kArgMask) == D3DTA_TEXTURE ? "t" : "d";
    std::string value = source + (alpha || (arg & kArgAlphaReplicate) ? (alpha ? ".a" : ".aaa") : ".rgb");
    return arg & kArgComplement ? "(1.0 - " + value + ")" : value;
}

std::string operation(DWORD op, DWORD arg1, DWORD arg2, bool alpha)
{
    std::string a = argument(arg1, alpha), b = argument(arg2, alpha);
    switch (op) {
    case D3DTOP_DISABLE: return argument(D3DTA_DIFFUSE, alpha);
    case D3DTOP_SELECTARG1: return a;
    case D3DTOP_SELECTARG2: return b;
    case 5: return a + " * " + b + " * 2.0"; // MODULATE2X
    case 6: return a + " * " + b + " * 4.0"; // MODULATE4X
    case 7: return a + " + " + b;            // ADD
    case 8: return a + " + " + b + " - 0.5"; // ADDSIGNED
    case 10: return a + " - " + b;           // SUBTRACT
    default: return a + " * " + b;           // MODULATE
    }
}

// The comparison that keeps a fragment of alpha `a`; empty when all pass.
std::string alphaPasses(uint8_t func)
{
    switch (func) {
    case D3DCMP_NEVER: return "false";
    case D3DCMP_LESS: return "a < u_alphaRef";
    case D3DCMP_EQUAL: return "a == u_alphaRef";
    case D3DCMP_LESSEQUAL: return "a <= u_alphaRef";
    case D3DCMP_GREATER: return "a > u_alphaRef";
    case D3DCMP_NOTEQUAL: return "a != u_alphaRef";
    case D3DCMP_GREATEREQUAL: return "a >= u_alphaRef";
    }
    return "";
}

std::string definesFor(const ShaderOptions& o)
{
    std::string d;
    if (o.pretransformed)
        d += "#define PRETRANSFORMED\n";
    if (o.lit)
        d += "#define LIT\n";
    if (o.lit && o.normalize)
        d += "#define NORMALIZE\n";
    if (o.lit && o.specular)
        d += "#define SPECULAR\n";
    if (o.textured) {
        d += "#define TEXTURED\n";
        d += "#define COMBINE_RGB " + operation(o.colorOp, o.colorArg1, o.colorArg2, false) + "\n";
        d += "#define COMBINE_ALPHA " + operation(o.alphaOp, o.alphaArg1, o.alphaArg2, true) + "\n";
    }
    std::string passes = alphaPasses(o.alphaTest);
    if (!passes.empty())
        d += "#define ALPHA_PASSES " + passes + "\n";
    return d;
}

GLuint compile(GLenum type, const char* defines, const char* body)
{
    GLuint shader = glCreateShader(type);
    const char* parts[3] = {glslPrelude(), defines, body};
    glShaderSource(shader, 3, parts, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = "";
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "Direct3D: a %s shader does not compile:\n%s%s\n",
                     type == GL_VERTEX_SHADER ? "vertex" : "fragment", defines, log);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

} // namespace

GLuint linkShaderProgram(const char* defines, const char* vertex, const char* fragment,
                         const char* const* attributes, int attributeCount)
{
    GLuint vs = compile(GL_VERTEX_SHADER, defines, vertex);
    GLuint fs = vs ? compile(GL_FRAGMENT_SHADER, defines, fragment) : 0;
    if (!fs) {
        glDeleteShader(vs);
        return 0;
    }
    GLuint program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    for (int i = 0; i < attributeCount; ++i)
        glBindAttribLocation(program, GLuint(i), attributes[i]);
    glLinkProgram(program);
    glDeleteShader(vs); // freed with the program
    glDeleteShader(fs);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[1024] = "";
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        std::fprintf(stderr, "Direct3D: shaders do not link:\n%s%s\n", defines, log);
        glDeleteProgram(program);
        return 0;
    }
    return program;
}

uint64_t ShaderOptions::key() const
{
    uint64_t k = uint64_t(pretransformed) | uint64_t(lit) << 1 | uint64_t(lit && normalize) << 2 |
                 uint64_t(lit && specular) << 3 | uint64_t(textured) << 4 | uint64_t(alphaTest) << 8;
    if (textured)
        k |= uint64_t(colorOp) << 16 | uint64_t(colorArg1) << 24 | uint64_t(colorArg2) << 32 |
             uint64_t(alphaOp) << 40 | uint64_t(alphaArg1) << 48 | uint64_t(alphaArg2) << 56;
    return k;
}

ShaderCache::~ShaderCache()
{
    for (auto& p : programs_)
        if (p.second->program)
            glDeleteProgram(p.second->program);
}

ShaderProgram* ShaderCache::get(const ShaderOptions& options)
{
    std::unique_ptr<ShaderProgram>& slot = programs_[options.key()];
    if (slot)
        return slot->program ? slot.get() : nullptr;
    slot.reset(new ShaderProgram);
    static const char* const kAttributes[] = {"a_position", "a_normal", "a_color", "a_texcoord"};
    std::string defines = definesFor(options);
    GLuint program = linkShaderProgram(defines.c_str(), kVertexShader, kFragmentShader, kAttributes, 4);
    if (!program)
        return nullptr; // kept empty: not tried again
    ShaderProgram& p = *slot;
    p.program = program;
    auto at = [program](const char* name) { return glGetUniformLocation(program, name); };
    p.mvp = at("u_mvp");
    p.modelview = at("u_modelview");
    p.normalMatrix = at("u_normalMatrix");
    p.lightCount = at("u_lightCount");
    p.lightPosition = at("u_lightPosition");
    p.lightDiffuse = at("u_lightDiffuse");
    p.lightSpecular = at("u_lightSpecular");
    p.lightAmbient = at("u_lightAmbient");
    p.lightAttenuation = at("u_lightAttenuation");
    p.spotDirection = at("u_spotDirection");
    p.spotCos = at("u_spotCos");
    p.spotExponent = at("u_spotExponent");
    p.materialAmbient = at("u_materialAmbient");
    p.materialDiffuse = at("u_materialDiffuse");
    p.materialSpecular = at("u_materialSpecular");
    p.materialEmissive = at("u_materialEmissive");
    p.shininess = at("u_shininess");
    p.sceneAmbient = at("u_sceneAmbient");
    p.track = at("u_track");
    p.alphaRef = at("u_alphaRef");
    GLint texture = at("u_texture");
    if (texture >= 0) {
        glUseProgram(program);
        glUniform1i(texture, 0);
    }
    return slot.get();
}

} // namespace platform
