// The GL device in a real window (Xvfb when there is no display): what the
// game's drawing looks like once read back from the framebuffer.
#include "engine/platform/d3dx9.h"
#include "engine/platform/gl_device.h"
#include "tests/support/gl_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr D3DCOLOR kClear = 0xFF73739B; // the game's (115, 115, 155)

struct GameVertex { // D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1, as the game's quads
    float x, y, z;
    D3DCOLOR color;
    float u, v;
};
constexpr DWORD kGameFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;

struct ScreenVertex {
    float x, y, z, rhw;
    D3DCOLOR color;
};

class GLDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        device = testsupport::createGLDevice(&why);
        if (!device)
            GTEST_SKIP() << "no GL window: " << why;
    }
    void TearDown() override
    {
        for (auto* t : textures)
            t->Release();
        if (device) {
            device->SetTexture(0, nullptr);
            device->Release();
        }
    }

    // The state the device wrapper sets once, and the game's camera.
    void gameSetup()
    {
        device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
        device->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);
        device->SetRenderState(D3DRS_LIGHTING, TRUE);
        device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
        device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
        device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
        device->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFF);
        device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_NONE);
        device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_NONE);

        D3DXMATRIXA16 view, proj, world;
        D3DXVECTOR3 eye(0, 0, -30), at(0, 0, 0), up(0, 1, 0);
        D3DXMatrixLookAtLH(&view, &eye, &at, &up);
        D3DXMatrixOrthoLH(&proj, 800, 600, 1, 100);
        D3DXMatrixIdentity(&world);
        device->SetTransform(D3DTS_VIEW, &view);
        device->SetTransform(D3DTS_PROJECTION, &proj);
        device->SetTransform(D3DTS_WORLD, &world);

        D3DMATERIAL9 material;
        std::memset(&material, 0, sizeof material);
        material.Diffuse = material.Ambient = D3DCOLORVALUE{1, 1, 1, 1};
        device->SetMaterial(&material);
    }

    IDirect3DTexture9* texture(UINT w, UINT h, const std::vector<uint32_t>& texels)
    {
        IDirect3DTexture9* t = nullptr;
        EXPECT_EQ(D3D_OK, device->CreateTexture(w, h, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr));
        D3DLOCKED_RECT r;
        EXPECT_EQ(D3D_OK, t->LockRect(0, &r, nullptr, 0));
        for (UINT y = 0; y < h; ++y)
            std::memcpy(static_cast<uint8_t*>(r.pBits) + y * r.Pitch, &texels[y * w], w * 4);
        t->UnlockRect(0);
        textures.push_back(t);
        return t;
    }

    // A quad in world units (y up), wound clockwise on screen unless `reversed`.
    void drawQuad(float left, float top, float right, float bottom, float z = 0, bool reversed = false,
                  D3DCOLOR color = 0xFFFFFFFF)
    {
        GameVertex tl{left, top, z, color, 0, 0}, tr{right, top, z, color, 1, 0};
        GameVertex bl{left, bottom, z, color, 0, 1}, br{right, bottom, z, color, 1, 1};
        GameVertex cw[6] = {tl, tr, bl, tr, br, bl};
        GameVertex ccw[6] = {tl, bl, tr, tr, bl, br};
        device->SetFVF(kGameFvf);
        ASSERT_EQ(D3D_OK, device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, reversed ? ccw : cw, sizeof(GameVertex)));
    }

    uint32_t pixel(int x, int y)
    {
        std::vector<uint32_t> p;
        EXPECT_TRUE(platform::readBackBuffer(x, y, 1, 1, p));
        return p.empty() ? 0 : p[0] & 0xFFFFFF;
    }

    IDirect3DDevice9* device = nullptr;
    std::vector<IDirect3DTexture9*> textures;
};

TEST_F(GLDeviceTest, PresentNeverRunsFasterThanSixtyFramesPerSecond)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 120; ++i) {
        device->Clear(0, nullptr, D3DCLEAR_TARGET, kClear, 1.0f, 0);
        device->Present(nullptr, nullptr, nullptr, nullptr);
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("120 presents took %.3f s\n", seconds);
    EXPECT_GE(seconds, 1.95);
}

TEST_F(GLDeviceTest, ClearFillsTheViewportOnly)
{
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(0, 0));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(400, 300));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(799, 599));

    D3DVIEWPORT9 vp{100, 50, 20, 10, 0, 1};
    device->SetViewport(&vp);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0);
    EXPECT_EQ(0xFF0000u, pixel(100, 50));
    EXPECT_EQ(0xFF0000u, pixel(119, 59));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(99, 50));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(120, 59));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(100, 60));
}

TEST_F(GLDeviceTest, TexturedSpriteLandsOnItsPixelsAndKeyedTexelsShowTheBackground)
{
    gameSetup();
    // 2 x 2: red, blue / keyed (transparent black), white.
    IDirect3DTexture9* t = texture(2, 2, {0xFFFF0000, 0xFF0000FF, 0x00000000, 0xFFFFFFFF});
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    device->BeginScene();
    device->SetTexture(0, t);
    // World (68..132, 18..82) is screen x 468..531, y 218..281 under the 800 x 600 camera.
    drawQuad(68, 82, 132, 18);
    device->EndScene();

    EXPECT_EQ(0xFF0000u, pixel(468, 218));
    EXPECT_EQ(0xFF0000u, pixel(499, 249));
    EXPECT_EQ(0x0000FFu, pixel(500, 218));
    EXPECT_EQ(0x0000FFu, pixel(531, 249));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(468, 250)); // keyed green in the picture
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(499, 281));
    EXPECT_EQ(0xFFFFFFu, pixel(500, 250));
    EXPECT_EQ(0xFFFFFFu, pixel(531, 281));
    // Nothing outside.
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(467, 230));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(532, 230));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(480, 217));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(520, 282));
}

TEST_F(GLDeviceTest, SpritesAtWholeUnitsNeverSampleTheWrappedTexel)
{
    gameSetup();
    // Transparent left column, opaque right one: a left edge that wrapped would show white.
    IDirect3DTexture9* t = texture(2, 1, {0x00000000, 0xFFFFFFFF});
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    device->SetTexture(0, t);
    for (int x = -390; x < 330; x += 37) {
        int y = (x * 7) % 250;
        drawQuad(float(x), float(y + 16), float(x + 32), float(y - 16));
        int sx = 400 + x, sy = 300 - (y + 16);
        EXPECT_EQ(kClear & 0xFFFFFF, pixel(sx, sy + 5)) << "left column of the sprite at " << x;
        EXPECT_EQ(kClear & 0xFFFFFF, pixel(sx + 15, sy + 31)) << "bottom row of the sprite at " << x;
        EXPECT_EQ(0xFFFFFFu, pixel(sx + 16, sy)) << "top row of the sprite at " << x;
        EXPECT_EQ(0xFFFFFFu, pixel(sx + 31, sy + 31)) << "bottom-right pixel of the sprite at " << x;
        EXPECT_EQ(kClear & 0xFFFFFF, pixel(sx + 32, sy + 5)) << "right of the sprite at " << x;
        EXPECT_EQ(kClear & 0xFFFFFF, pixel(sx + 20, sy + 32)) << "below the sprite at " << x;
    }
}

TEST_F(GLDeviceTest, CounterClockwiseCullingKeepsClockwiseQuadsOnly)
{
    gameSetup();
    IDirect3DTexture9* t = texture(1, 1, {0xFFFFFFFF});
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    device->SetTexture(0, t);
    drawQuad(-200, 100, -100, 0);
    drawQuad(100, 100, 200, 0, 0, true);
    EXPECT_EQ(0xFFFFFFu, pixel(250, 250));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(550, 250));

    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    drawQuad(100, 100, 200, 0, 0, true);
    EXPECT_EQ(0xFFFFFFu, pixel(550, 250));
}

TEST_F(GLDeviceTest, UnlitWhiteVerticesModulateTheTextureAndTextureChangesReachTheScreen)
{
    gameSetup();
    IDirect3DTexture9* t = texture(1, 1, {0xFF808080});
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    device->SetTexture(0, t);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    drawQuad(-10, 10, 10, -10, 0, false, 0xFF00FF00);
    EXPECT_EQ(0x008000u, pixel(400, 300));

    D3DLOCKED_RECT r;
    ASSERT_EQ(D3D_OK, t->LockRect(0, &r, nullptr, 0));
    *static_cast<uint32_t*>(r.pBits) = 0xFFFFFFFF;
    t->UnlockRect(0);
    drawQuad(-10, 10, 10, -10, 0, false, 0xFF00FF00);
    EXPECT_EQ(0x00FF00u, pixel(400, 300));
}

TEST_F(GLDeviceTest, OpaquePicturesStillBlendByTheirVertexAlphaWhenItCounts)
{
    gameSetup();
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    IDirect3DTexture9* white = texture(1, 1, {0xFFFFFFFF});
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    device->SetTexture(0, white);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    // Stage 0 alpha: the texture's alone (the game's state) - the quad covers.
    drawQuad(-30, 10, -10, -10, 0, false, 0x80FFFFFF);
    EXPECT_EQ(0xFFFFFFu, pixel(380, 300));
    // Texture alpha times vertex alpha: half of the white over black.
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    drawQuad(10, 10, 30, -10, 0, false, 0x80FFFFFF);
    uint32_t p = pixel(420, 300);
    EXPECT_NEAR(0x80, int(p & 0xFF), 2);
    EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF);
}

TEST_F(GLDeviceTest, NearerQuadsHideFartherOnes)
{
    gameSetup();
    IDirect3DTexture9* red = texture(1, 1, {0xFFFF0000});
    IDirect3DTexture9* blue = texture(1, 1, {0xFF0000FF});
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    device->SetTexture(0, red);
    drawQuad(-10, 10, 10, -10, 5);
    device->SetTexture(0, blue);
    drawQuad(-20, 20, 20, -20, 10);
    EXPECT_EQ(0xFF0000u, pixel(400, 300));
    EXPECT_EQ(0x0000FFu, pixel(400 - 15, 300));
}

// No texture, no ambient light, a red diffuse material: only lights colour the quad.
void litRedWithoutTexture(IDirect3DDevice9* device)
{
    device->SetTexture(0, nullptr);
    device->SetRenderState(D3DRS_AMBIENT, 0);
    D3DMATERIAL9 material;
    std::memset(&material, 0, sizeof material);
    material.Diffuse = D3DCOLORVALUE{1, 0, 0, 1};
    device->SetMaterial(&material);
}

TEST_F(GLDeviceTest, DirectionalLightFacingTheQuadLightsItWithTheMaterial)
{
    gameSetup();
    litRedWithoutTexture(device);
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof light);
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = D3DCOLORVALUE{1, 1, 1, 1};
    light.Direction = D3DVECTOR{0, 0, 1}; // into the screen, onto the quad's face
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);

    struct LitVertex {
        float x, y, z, nx, ny, nz;
    } quad[4] = {{-10, 10, 0, 0, 0, -1}, {10, 10, 0, 0, 0, -1}, {-10, -10, 0, 0, 0, -1}, {10, -10, 0, 0, 0, -1}};
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    device->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LitVertex));
    EXPECT_EQ(0xFF0000u, pixel(400, 300));

    device->LightEnable(0, FALSE);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LitVertex));
    EXPECT_EQ(0x000000u, pixel(400, 300));
}

TEST_F(GLDeviceTest, PointLightsStayAtTheirWorldPositionWhenTheCameraMoves)
{
    gameSetup();
    D3DXMATRIXA16 view;
    D3DXVECTOR3 eye(100, 0, -30), at(100, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    device->SetTransform(D3DTS_VIEW, &view);
    litRedWithoutTexture(device);
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof light);
    light.Type = D3DLIGHT_POINT;
    light.Diffuse = D3DCOLORVALUE{1, 1, 1, 1};
    light.Position = D3DVECTOR{100, 0, -10}; // in front of the screen's centre
    light.Range = 1000;
    light.Attenuation0 = 1;
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);

    // Lighting is per vertex: small quads, lit by what reaches their corners.
    struct LitVertex {
        float x, y, z, nx, ny, nz;
    };
    auto drawSmallQuad = [&](float cx) {
        LitVertex quad[4] = {{cx - 2, 2, 0, 0, 0, -1}, {cx + 2, 2, 0, 0, 0, -1}, {cx - 2, -2, 0, 0, 0, -1},
                             {cx + 2, -2, 0, 0, 0, -1}};
        device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LitVertex));
    };
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    device->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL);
    drawSmallQuad(100);
    drawSmallQuad(300);
    uint32_t facing = pixel(400, 300), aside = pixel(600, 300);
    EXPECT_GE((facing >> 16) & 0xFF, 0xE0u) << std::hex << facing;
    EXPECT_EQ(0u, facing & 0xFFFF);
    EXPECT_LT((aside >> 16) & 0xFF, 0x20u) << std::hex << aside; // the light grazes it 200 units away
}

TEST_F(GLDeviceTest, PretransformedVerticesAreWindowPixels)
{
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClear, 1.0f, 0);
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    // Covers the centre of pixel (10, 20) only.
    ScreenVertex quad[4] = {{9.5f, 19.5f, 0.5f, 1, 0xFFFF0000},
                            {10.5f, 19.5f, 0.5f, 1, 0xFFFF0000},
                            {9.5f, 20.5f, 0.5f, 1, 0xFFFF0000},
                            {10.5f, 20.5f, 0.5f, 1, 0xFFFF0000}};
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(ScreenVertex));
    EXPECT_EQ(0xFF0000u, pixel(10, 20));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(9, 20));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(11, 20));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(10, 19));
    EXPECT_EQ(kClear & 0xFFFFFF, pixel(10, 21));
}

} // namespace

namespace {

TEST(GLDeviceLifetime, TexturesMayOutliveTheirDevice)
{
    std::string why;
    IDirect3DDevice9* device = testsupport::createGLDevice(&why);
    if (!device)
        GTEST_SKIP() << "no GL window: " << why;
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3D_OK, device->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr));
    device->SetTexture(0, texture);
    float quad[3][6] = {{0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 0, 1}};
    device->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, quad, 24); // gives the texture its GL name
    device->SetTexture(0, nullptr);
    device->Release();
    texture->Release(); // must not reach back into the device
}

} // namespace
