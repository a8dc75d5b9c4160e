// What the GL device shows, as pictures: a card of the fixed-function states
// the device takes (lights and materials, the texture stage's operations,
// alpha test, blending, culling, depth, pre-transformed vertices, lines,
// points, the font), the card on smaller back buffers stretched over the
// window, then the game's frame under the same input script as frame_calls. frame_pictures.sh compares them with a recording.
//   golden_frame_pictures OUTDIR          writes card.png, stretched_N.png, frame_N.png
//   golden_frame_pictures --compare A B   pixels of B that differ from A
#include "engine/libD3D/d3dfont.h"
#include "engine/platform/d3dx9.h"
#include "engine/platform/gl_device.h"
#include "engine/platform/recording_device.h"
#include "tests/golden/frame_script.h"
#include "tests/support/gl_window.h"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int kSampled[] = {0, 120, 299};
constexpr int kWidth = 800, kHeight = 600;

// The picture just presented, from the front buffer, as RGB rows from the top.
bool writeShown(const std::string& path)
{
    std::vector<uint8_t> rgb(size_t(kWidth) * kHeight * 3), rows(rgb.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
    size_t row = size_t(kWidth) * 3;
    for (int y = 0; y < kHeight; ++y)
        std::memcpy(&rgb[size_t(y) * row], &rows[size_t(kHeight - 1 - y) * row], row);
    return stbi_write_png(path.c_str(), kWidth, kHeight, 3, rgb.data(), int(row)) != 0;
}

int compare(const char* expectedPath, const char* actualPath)
{
    int w1, h1, n1, w2, h2, n2;
    uint8_t* a = stbi_load(expectedPath, &w1, &h1, &n1, 3);
    uint8_t* b = stbi_load(actualPath, &w2, &h2, &n2, 3);
    if (!a || !b || w1 != w2 || h1 != h2) {
        std::printf("%s: cannot compare with %s\n", actualPath, expectedPath);
        return 1;
    }
    long differ = 0;
    int worst = 0, x1 = w1, y1 = h1, x2 = -1, y2 = -1;
    for (int y = 0; y < h1; ++y)
        for (int x = 0; x < w1; ++x) {
            const uint8_t* p = a + (size_t(y) * w1 + x) * 3;
            const uint8_t* q = b + (size_t(y) * w1 + x) * 3;
            int d = std::max({std::abs(p[0] - q[0]), std::abs(p[1] - q[1]), std::abs(p[2] - q[2])});
            if (d == 0)
                continue;
            ++differ;
            worst = std::max(worst, d);
            x1 = std::min(x1, x);
            y1 = std::min(y1, y);
            x2 = std::max(x2, x);
            y2 = std::max(y2, y);
        }
    stbi_image_free(a);
    stbi_image_free(b);
    if (differ == 0)
        return 0;
    std::printf("%s: %ld pixels differ, by %d at most, within %dx%d+%d+%d\n", actualPath, differ, worst,
                x2 - x1 + 1, y2 - y1 + 1, x1, y1);
    return 1;
}

// ---- the card ----------------------------------------------------------------

struct LitVertex { // XYZ | NORMAL | DIFFUSE
    float x, y, z, nx, ny, nz;
    D3DCOLOR color;
};
struct TexVertex { // XYZ | DIFFUSE | TEX1
    float x, y, z;
    D3DCOLOR color;
    float u, v;
};
struct ScreenVertex { // XYZRHW | DIFFUSE | TEX1
    float x, y, z, rhw;
    D3DCOLOR color;
    float u, v;
};
constexpr DWORD kLitFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE;
constexpr DWORD kTexFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;
constexpr DWORD kScreenFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

constexpr DWORD kModulate2x = 5, kModulate4x = 6, kAdd = 7, kAddSigned = 8, kSubtract = 10;
constexpr DWORD kComplement = 0x10, kAlphaReplicate = 0x20;

// A bump of 16 x 16 quads centred on (cx, cy), 80 units wide, its normals
// tilted outwards, its colours running from red to blue.
void drawBump(IDirect3DDevice9* d, float cx, float cy)
{
    const int n = 16;
    std::vector<LitVertex> v;
    auto at = [&](int i, int j) {
        float s = float(i) / n * 2 - 1, t = float(j) / n * 2 - 1;
        float len = std::sqrt(s * s + t * t + 1);
        auto r = DWORD(255 * (i / float(n))), b = DWORD(255 * (j / float(n)));
        return LitVertex{cx + s * 40, cy + t * 40, 0, s / len, t / len, -1 / len,
                         0xC0000000u | (r << 16) | 0x8000u | b};
    };
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            LitVertex a = at(i, j), b = at(i + 1, j), c = at(i, j + 1), e = at(i + 1, j + 1);
            LitVertex quad[6] = {a, c, b, b, c, e}; // clockwise on screen (y up)
            v.insert(v.end(), quad, quad + 6);
        }
    d->SetFVF(kLitFvf);
    d->DrawPrimitiveUP(D3DPT_TRIANGLELIST, UINT(v.size() / 3), v.data(), sizeof(LitVertex));
}

void drawTexQuad(IDirect3DDevice9* d, float left, float top, float size, D3DCOLOR tl, D3DCOLOR br, float z = 0)
{
    TexVertex a{left, top, z, tl, 0, 0}, b{left + size, top, z, tl, 1, 0};
    TexVertex c{left, top - size, z, br, 0, 1}, e{left + size, top - size, z, br, 1, 1};
    TexVertex quad[6] = {a, b, c, b, e, c};
    d->SetFVF(kTexFvf);
    d->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, quad, sizeof(TexVertex));
}

IDirect3DTexture9* makeTexture(IDirect3DDevice9* d)
{
    // 16 x 16: colour bands across, alpha from 0 down to 255, a dark cross.
    IDirect3DTexture9* t = nullptr;
    d->CreateTexture(16, 16, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr);
    D3DLOCKED_RECT r;
    t->LockRect(0, &r, nullptr, 0);
    for (DWORD y = 0; y < 16; ++y)
        for (DWORD x = 0; x < 16; ++x) {
            DWORD a = y * 17, red = x * 17, green = 255 - x * 17, blue = (x + y) * 8;
            if (x == 7 || y == 7)
                red = green = blue = 40;
            DWORD texel = (a << 24) | (red << 16) | (green << 8) | blue;
            std::memcpy(static_cast<uint8_t*>(r.pBits) + y * r.Pitch + x * 4, &texel, 4);
        }
    t->UnlockRect(0);
    return t;
}

void setLight(IDirect3DDevice9* d, DWORD i, D3DLIGHTTYPE type, D3DVECTOR pos, D3DVECTOR dir)
{
    D3DLIGHT9 l{};
    l.Type = type;
    l.Diffuse = {0.9f, 0.8f, 0.7f, 1};
    l.Specular = {1, 1, 1, 1};
    l.Ambient = {0.1f, 0.1f, 0.2f, 1};
    l.Position = pos;
    l.Direction = dir;
    l.Range = 1000;
    l.Attenuation0 = 0.5f;
    l.Attenuation1 = 0.004f;
    l.Phi = 1.2f;
    l.Theta = 0.6f;
    l.Falloff = 2;
    d->SetLight(i, &l);
}

void drawCard(IDirect3DDevice9* d)
{
    D3DXMATRIXA16 view, proj, world;
    D3DXVECTOR3 eye(0, 0, -30), at(0, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    D3DXMatrixOrthoLH(&proj, 800, 600, 1, 100);
    D3DXMatrixIdentity(&world);
    d->SetTransform(D3DTS_VIEW, &view);
    d->SetTransform(D3DTS_PROJECTION, &proj);
    d->SetTransform(D3DTS_WORLD, &world);
    d->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF73739B, 1.0f, 0);
    d->BeginScene();

    // Row 1: lights on bumps. Directional; point with specular; spot; the
    // vertex colour as ambient and diffuse over an emissive material; a
    // scaled world with and without normalising.
    D3DMATERIAL9 m{};
    m.Diffuse = {0.8f, 0.9f, 1, 0.75f};
    m.Ambient = {0.3f, 0.2f, 0.1f, 1};
    m.Specular = {0.9f, 0.9f, 0.5f, 1};
    m.Power = 12;
    d->SetMaterial(&m);
    d->SetRenderState(D3DRS_LIGHTING, TRUE);
    d->SetRenderState(D3DRS_AMBIENT, 0xFF202020);
    d->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    d->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    d->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);
    d->SetRenderState(D3DRS_COLORVERTEX, FALSE);
    d->SetTexture(0, nullptr);
    setLight(d, 0, D3DLIGHT_DIRECTIONAL, {0, 0, 0}, {0.5f, -0.3f, 1});
    d->LightEnable(0, TRUE);
    drawBump(d, -340, 240);
    d->LightEnable(0, FALSE);
    setLight(d, 1, D3DLIGHT_POINT, {-200, 260, -60}, {0, 0, 1});
    d->LightEnable(1, TRUE);
    d->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    drawBump(d, -240, 240);
    d->SetRenderState(D3DRS_SPECULARENABLE, FALSE);
    d->LightEnable(1, FALSE);
    setLight(d, 2, D3DLIGHT_SPOT, {-140, 240, -50}, {0, 0, 1});
    d->LightEnable(2, TRUE);
    drawBump(d, -140, 240);
    m.Emissive = {0.1f, 0, 0.2f, 0};
    d->SetMaterial(&m);
    d->SetRenderState(D3DRS_COLORVERTEX, TRUE);
    d->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1);
    d->SetRenderState(D3DRS_AMBIENTMATERIALSOURCE, D3DMCS_COLOR1);
    d->LightEnable(0, TRUE);
    drawBump(d, -40, 240);
    d->SetRenderState(D3DRS_AMBIENTMATERIALSOURCE, D3DMCS_MATERIAL);
    D3DXMatrixScaling(&world, 0.5f, 0.5f, 0.5f);
    d->SetTransform(D3DTS_WORLD, &world);
    drawBump(d, 120, 480);
    d->SetRenderState(D3DRS_NORMALIZENORMALS, FALSE);
    drawBump(d, 320, 480);
    D3DXMatrixIdentity(&world);
    d->SetTransform(D3DTS_WORLD, &world);
    d->LightEnable(0, FALSE);
    d->LightEnable(2, FALSE);
    d->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1);
    d->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);

    // Row 2: the texture stage's operations, the game's lit quads first.
    IDirect3DTexture9* t = makeTexture(d);
    d->SetTexture(0, t);
    m = D3DMATERIAL9{};
    m.Diffuse = m.Ambient = {1, 1, 1, 1};
    d->SetMaterial(&m);
    d->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFF);
    struct Op {
        DWORD colorOp, colorArg1, colorArg2, alphaOp, alphaArg1, alphaArg2;
    };
    const Op ops[] = {
        {D3DTOP_MODULATE, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG1, D3DTA_TEXTURE, D3DTA_DIFFUSE},
        {D3DTOP_MODULATE, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_MODULATE, D3DTA_TEXTURE, D3DTA_DIFFUSE},
        {kModulate2x, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG2, D3DTA_TEXTURE, D3DTA_DIFFUSE},
        {kModulate4x, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG1, D3DTA_TEXTURE, D3DTA_DIFFUSE},
        {kAdd, D3DTA_TEXTURE, D3DTA_DIFFUSE, kAdd, D3DTA_TEXTURE, D3DTA_DIFFUSE},
        {kAddSigned, D3DTA_TEXTURE, D3DTA_DIFFUSE, kAddSigned, D3DTA_TEXTURE, D3DTA_DIFFUSE},
        {kSubtract, D3DTA_TEXTURE, D3DTA_DIFFUSE, kSubtract, D3DTA_DIFFUSE, D3DTA_TEXTURE},
        {D3DTOP_SELECTARG2, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG1, D3DTA_TEXTURE | kComplement, 0},
        {D3DTOP_SELECTARG1, D3DTA_TEXTURE | kAlphaReplicate, 0, D3DTOP_SELECTARG1, D3DTA_TEXTURE, 0},
        {D3DTOP_MODULATE, D3DTA_TEXTURE | kComplement, D3DTA_DIFFUSE | kAlphaReplicate | kComplement,
         D3DTOP_SELECTARG1, D3DTA_TEXTURE, 0},
    };
    float x = -390;
    for (const Op& op : ops) {
        d->SetTextureStageState(0, D3DTSS_COLOROP, op.colorOp);
        d->SetTextureStageState(0, D3DTSS_COLORARG1, op.colorArg1);
        d->SetTextureStageState(0, D3DTSS_COLORARG2, op.colorArg2);
        d->SetTextureStageState(0, D3DTSS_ALPHAOP, op.alphaOp);
        d->SetTextureStageState(0, D3DTSS_ALPHAARG1, op.alphaArg1);
        d->SetTextureStageState(0, D3DTSS_ALPHAARG2, op.alphaArg2);
        drawTexQuad(d, x, 170, 70, 0xFFFF8040, 0x6040C0FF);
        x += 78;
    }
    d->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    d->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    d->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    d->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    d->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);

    // Row 3: alpha test, blending, colour writes, linear filtering and
    // clamping, unlit, culling, depth.
    d->SetRenderState(D3DRS_LIGHTING, FALSE);
    d->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    d->SetRenderState(D3DRS_ALPHAREF, 0x80);
    x = -390;
    for (DWORD f : {D3DCMP_LESS, D3DCMP_EQUAL, D3DCMP_GREATEREQUAL, D3DCMP_NOTEQUAL}) {
        d->SetRenderState(D3DRS_ALPHAFUNC, f);
        drawTexQuad(d, x, 80, 70, 0xFFFFFFFF, 0xFFFFFFFF);
        x += 78;
    }
    d->SetRenderState(D3DRS_ALPHATESTENABLE, FALSE);
    d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    drawTexQuad(d, x, 80, 70, 0xFF808080, 0xFF808080);
    x += 78;
    d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ZERO);
    d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_SRCCOLOR);
    drawTexQuad(d, x, 80, 70, 0xFFFFFFFF, 0xFFFFFFFF);
    x += 78;
    d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    d->SetRenderState(D3DRS_COLORWRITEENABLE, 0x5); // red and blue
    drawTexQuad(d, x, 80, 70, 0xFFFFFFFF, 0xFFFFFFFF);
    d->SetRenderState(D3DRS_COLORWRITEENABLE, 0xF);
    x += 78;
    d->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    d->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    d->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    {
        TexVertex a{x, 80, 0, 0xFFFFFFFF, -0.5f, -0.5f}, b{x + 70, 80, 0, 0xFFFFFFFF, 1.5f, -0.5f};
        TexVertex c{x, 10, 0, 0xFFFFFFFF, -0.5f, 1.5f}, e{x + 70, 10, 0, 0xFFFFFFFF, 1.5f, 1.5f};
        TexVertex quad[4] = {a, b, c, e};
        d->SetFVF(kTexFvf);
        d->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(TexVertex));
    }
    d->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
    d->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    d->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    x += 78;
    // Culled (counter-clockwise on screen), then the nearer of two at one place,
    // then a farther one kept by GREATER.
    {
        TexVertex a{x, 80, 0, 0xFFFF0000, 0, 0}, b{x + 70, 80, 0, 0xFFFF0000, 1, 0}, c{x, 10, 0, 0xFFFF0000, 0, 1};
        TexVertex tri[3] = {a, c, b};
        d->SetFVF(kTexFvf);
        d->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, tri, sizeof(TexVertex));
    }
    drawTexQuad(d, x + 10, 70, 40, 0xFF00FF00, 0xFF00FF00, 10);
    drawTexQuad(d, x + 20, 60, 40, 0xFFFF00FF, 0xFF0000FF, 5);
    d->SetRenderState(D3DRS_ZFUNC, D3DCMP_GREATER);
    drawTexQuad(d, x + 30, 50, 40, 0xFFFFFF00, 0xFFFFFF00, 20);
    d->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);

    // Row 4: pre-transformed vertices, homogeneous (perspective-correct
    // texturing) and not; lines and points; the font.
    {
        float near = 1.0f, far = 0.25f; // rhw
        auto sv = [](float x, float y, float rhw, D3DCOLOR c, float u, float v) {
            return ScreenVertex{x, y, 0.5f, rhw, c, u, v};
        };
        ScreenVertex q[4] = {sv(40, 480, near, 0xFFFFFFFF, 0, 1), sv(60, 400, far, 0xFFFFFFFF, 0, 0),
                             sv(180, 480, near, 0xFFFFFFFF, 1, 1), sv(160, 400, far, 0xFFFFFFFF, 1, 0)};
        d->SetFVF(kScreenFvf);
        d->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, q, sizeof(ScreenVertex));
        ScreenVertex fan[4] = {sv(220, 400, 1, 0xFFFF0000, 0, 0), sv(300, 400, 1, 0x8000FF00, 1, 0),
                               sv(300, 480, 1, 0xFF0000FF, 1, 1), sv(220, 480, 1, 0x00FFFFFF, 0, 1)};
        d->SetTexture(0, nullptr);
        d->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, fan, sizeof(ScreenVertex));
        ScreenVertex lines[6] = {sv(320, 400, 1, 0xFFFFFFFF, 0, 0), sv(400, 480, 1, 0xFF000000, 0, 0),
                                 sv(320, 480, 1, 0xFFFFFF00, 0, 0), sv(400, 400, 1, 0xFF00FFFF, 0, 0),
                                 sv(330, 440, 1, 0xFFFF00FF, 0, 0), sv(390, 440, 1, 0xFFFF00FF, 0, 0)};
        d->DrawPrimitiveUP(D3DPT_LINELIST, 3, lines, sizeof(ScreenVertex));
        d->DrawPrimitiveUP(D3DPT_LINESTRIP, 5, lines, sizeof(ScreenVertex));
        ScreenVertex points[16];
        for (int i = 0; i < 16; ++i)
            points[i] = sv(420 + float(i % 4) * 10, 400 + float(i / 4) * 10, 1, 0xFFFFFFFF - DWORD(i) * 0x0F0F00, 0, 0);
        d->DrawPrimitiveUP(D3DPT_POINTLIST, 16, points, sizeof(ScreenVertex));
    }
    {
        CD3DFont font("Arial", 20, 0);
        font.InitDeviceObjects(d);
        font.RestoreDeviceObjects();
        font.DrawTextA(480, 400, 0xFFFFFF00, "Plumfall: F1 to F10", 0);
        font.DrawTextA(480, 440, 0xC0FFFFFF, "0123456789 !?", 0);
        font.InvalidateDeviceObjects();
        font.DeleteDeviceObjects();
    }
    d->EndScene();
    d->Present(nullptr, nullptr, nullptr, nullptr);
    d->SetTexture(0, nullptr);
    t->Release();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--compare") == 0)
        return compare(argv[2], argv[3]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR (run in the run directory) | --compare EXPECTED ACTUAL\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1], why;
    platform::setFramePacing(false);
    IDirect3DDevice9* card = testsupport::createGLDevice(&why);
    if (!card) {
        std::fprintf(stderr, "no GL window: %s\n", why.c_str());
        return 77;
    }
    drawCard(card);
    bool ok = writeShown(dir + "/card.png");
    card->Release();
    // Smaller back buffers, stretched over the window: twice, and 1.25 times.
    for (UINT width : {400u, 640u}) {
        D3DPRESENT_PARAMETERS params = platform::RecordingDevice::defaultParameters();
        params.BackBufferWidth = width;
        params.BackBufferHeight = width * 3 / 4;
        IDirect3D9* d3d = platform::createGLDirect3D();
        IDirect3DDevice9* small = nullptr;
        d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &params, &small);
        d3d->Release();
        if (!small)
            return 1;
        drawCard(small);
        ok = writeShown(dir + "/stretched_" + std::to_string(width) + ".png") && ok;
        small->Release();
    }

    ScriptedGame game; // on the GL device, in the same window
    const int* next = std::begin(kSampled);
    for (int f = 0; f < ScriptedGame::kFrames && next != std::end(kSampled); ++f) {
        game.play(f);
        if (f == *next) {
            ok = writeShown(dir + "/frame_" + std::to_string(f) + ".png") && ok;
            ++next;
        }
    }
    return ok ? 0 : 1;
}
