// The bitmap font against the recording device: atlas, vertices, batching and
// the device state around drawing.
#include "engine/libD3D/d3dfont.h"
#include "engine/platform/recording_device.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::DeviceState;
using platform::RecordingDevice;

struct FontVertex {
    float x, y, z, rhw;
    DWORD color;
    float u, v;
};

bool sameState(const DeviceState& a, const DeviceState& b)
{
#define SAME(field) (std::memcmp(&a.field, &b.field, sizeof a.field) == 0)
    return SAME(renderState) && SAME(stageState) && SAME(samplerState) && SAME(world) && SAME(view) &&
           SAME(projection) && SAME(material) && SAME(light) && SAME(lightEnabled) && SAME(texture) && SAME(fvf) &&
           a.stream == b.stream && a.streamOffset == b.streamOffset && a.streamStride == b.streamStride &&
           SAME(viewport);
#undef SAME
}

class FontTest : public ::testing::Test {
protected:
    std::unique_ptr<CD3DFont> makeFont(unsigned long points, unsigned long flags = 0)
    {
        auto font = std::make_unique<CD3DFont>("Arial", points, flags);
        EXPECT_EQ(D3D_OK, font->InitDeviceObjects(&device));
        EXPECT_EQ(D3D_OK, font->RestoreDeviceObjects());
        return font;
    }

    // The vertices of the last batch, read from the buffer the font streams from.
    std::vector<FontVertex> lastBatch()
    {
        auto draws = device.named("DrawPrimitive");
        auto streams = device.named("SetStreamSource");
        std::vector<FontVertex> out;
        if (draws.empty() || streams.empty())
            return out;
        auto* vb = static_cast<IDirect3DVertexBuffer9*>(const_cast<void*>(streams.back().ptrs[0]));
        for (const auto& s : streams)
            if (s.ptrs[0])
                vb = static_cast<IDirect3DVertexBuffer9*>(const_cast<void*>(s.ptrs[0]));
        void* data = nullptr;
        if (vb->Lock(0, 0, &data, 0) != D3D_OK)
            return out;
        size_t n = size_t(draws.back().args[2]) * 3;
        out.assign(static_cast<FontVertex*>(data), static_cast<FontVertex*>(data) + n);
        vb->Unlock();
        return out;
    }

    // The first value a render state took since the calls were cleared.
    double firstValue(D3DRENDERSTATETYPE state)
    {
        for (const auto& c : device.named("SetRenderState"))
            if (c.args[0] == state)
                return c.args[1];
        return -1;
    }

    RecordingDevice device;
};

TEST_F(FontTest, AtlasStartsAt128AndDoublesForLargerFonts)
{
    auto small = makeFont(10);
    auto big = makeFont(30);
    auto textures = device.named("CreateTexture");
    ASSERT_EQ(2u, textures.size());
    double w10 = textures[0].args[0], w30 = textures[1].args[0];
    EXPECT_GT(w30, w10);
    for (double w : {w10, w30}) {
        int side = int(w);
        EXPECT_GE(side, 128);
        EXPECT_EQ(0, side & (side - 1)) << side << " is not 128 doubled";
    }
    EXPECT_EQ(textures[0].args[0], textures[0].args[1]);
    EXPECT_EQ(D3DFMT_A4R4G4B4, int(textures[1].args[4]));
    EXPECT_EQ(D3DPOOL_MANAGED, int(textures[1].args[5]));
}

TEST_F(FontTest, AtlasTexelsAreWhiteWithFourBitAlphaOrFullyTransparent)
{
    auto font = makeFont(30);
    font->DrawTextA(0, 0, 0xFFFFFFFF, "W", 0);
    auto sets = device.named("SetTexture");
    ASSERT_FALSE(sets.empty());
    auto* atlas = static_cast<IDirect3DTexture9*>(static_cast<IDirect3DBaseTexture9*>(const_cast<void*>(sets[0].ptrs[0])));
    ASSERT_NE(nullptr, atlas);
    D3DSURFACE_DESC desc;
    atlas->GetLevelDesc(0, &desc);
    D3DLOCKED_RECT r;
    ASSERT_EQ(D3D_OK, atlas->LockRect(0, &r, nullptr, 0));
    size_t opaque = 0, partial = 0;
    for (UINT y = 0; y < desc.Height; ++y)
        for (UINT x = 0; x < desc.Width; ++x) {
            uint16_t t = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(r.pBits) + y * r.Pitch)[x];
            if (t == 0)
                continue;
            ASSERT_EQ(0x0FFF, t & 0x0FFF);
            (t >> 12 == 0xF ? opaque : partial)++;
        }
    atlas->UnlockRect(0);
    EXPECT_GT(opaque, 100u);
    EXPECT_GT(partial, 0u) << "glyphs are antialiased";
}

TEST_F(FontTest, EmptyStringLeavesTheDeviceStateAsItWas)
{
    auto font = makeFont(10);
    device.SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    device.SetRenderState(D3DRS_LIGHTING, TRUE);
    device.SetRenderState(D3DRS_ALPHATESTENABLE, FALSE);
    device.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device.SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    IDirect3DTexture9* texture = nullptr;
    device.CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr);
    device.SetTexture(0, texture);
    DeviceState before = device.state();

    device.clearCalls();
    EXPECT_EQ(D3D_OK, font->DrawTextA(10, 10, 0xFFFFFFFF, "", 0));
    EXPECT_EQ(0u, device.count("DrawPrimitive"));
    EXPECT_TRUE(sameState(before, device.state()));

    EXPECT_EQ(D3D_OK, font->DrawTextA(10, 10, 0xFFFFFFFF, "Plumfall", 0));
    EXPECT_EQ(1u, device.count("DrawPrimitive"));
    EXPECT_TRUE(sameState(before, device.state()));
    device.SetTexture(0, nullptr);
    texture->Release();
}

TEST_F(FontTest, TextIsDrawnPretransformedWithTheTextState)
{
    auto font = makeFont(10);
    DWORD value = 0;
    device.clearCalls();
    ASSERT_EQ(D3D_OK, font->DrawTextA(5, 7, 0xFF123456, "AB", 0));
    auto fvf = device.named("SetFVF");
    ASSERT_FALSE(fvf.empty());
    EXPECT_EQ(double(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1), fvf[0].args[0]);
    // What was in force while drawing: the text state block, recorded at restore.
    EXPECT_EQ(8.0, firstValue(D3DRS_ALPHAREF));
    EXPECT_EQ(double(D3DZB_FALSE), firstValue(D3DRS_ZENABLE));
    device.GetRenderState(D3DRS_ALPHATESTENABLE, &value);
    EXPECT_EQ(0u, value) << "restored after drawing";

    auto v = lastBatch();
    ASSERT_EQ(12u, v.size());
    for (const auto& vertex : v) {
        EXPECT_FLOAT_EQ(0.9f, vertex.z);
        EXPECT_FLOAT_EQ(1.0f, vertex.rhw);
        EXPECT_EQ(0xFF123456u, vertex.color);
    }
    // The first glyph's ink starts at x (its cell's margin lies left of it), top at y, both half a pixel up-left.
    float left = v[1].x, top = v[1].y;
    EXPECT_FLOAT_EQ(7.0f - 0.5f, top);
    EXPECT_LT(left, 5.0f - 0.5f);
    // The second glyph follows to the right, on the same line.
    EXPECT_GT(v[7].x, left);
    EXPECT_FLOAT_EQ(top, v[7].y);
}

TEST_F(FontTest, LineEndStartsTheNextLineOneLineLowerAtTheSameX)
{
    auto font = makeFont(30);
    SIZE one, two;
    ASSERT_EQ(D3D_OK, font->GetTextExtent("A", &one));
    ASSERT_EQ(D3D_OK, font->GetTextExtent("A\nA", &two));
    EXPECT_EQ(2 * one.cy, two.cy);
    EXPECT_EQ(one.cx, two.cx);
    EXPECT_GE(one.cy, 40); // 30 points are 40 pixels, plus the descent

    device.clearCalls();
    font->DrawTextA(100, 50, 0xFFFFFFFF, "A\nA", 0);
    auto v = lastBatch();
    ASSERT_EQ(12u, v.size());
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(v[i].x, v[i + 6].x);
        EXPECT_FLOAT_EQ(v[i].y + float(one.cy), v[i + 6].y);
    }
}

TEST_F(FontTest, CharactersAbove127DrawNothingAndDoNotAdvance)
{
    auto font = makeFont(10);
    device.clearCalls();
    font->DrawTextA(0, 0, 0xFFFFFFFF, "AB", 0);
    auto plain = lastBatch();
    device.clearCalls();
    font->DrawTextA(0, 0, 0xFFFFFFFF, "A\xE9\x80\xFF" "B", 0);
    auto accented = lastBatch();
    ASSERT_EQ(plain.size(), accented.size());
    for (size_t i = 0; i < plain.size(); ++i) {
        EXPECT_FLOAT_EQ(plain[i].x, accented[i].x);
        EXPECT_FLOAT_EQ(plain[i].y, accented[i].y);
    }
    SIZE a, b;
    font->GetTextExtent("AB", &a);
    font->GetTextExtent("A\xE9" "B", &b);
    EXPECT_EQ(a.cx, b.cx);
}

TEST_F(FontTest, SpacesAdvanceWithoutQuads)
{
    auto font = makeFont(10);
    device.clearCalls();
    font->DrawTextA(0, 0, 0xFFFFFFFF, "A B", 0);
    auto v = lastBatch();
    EXPECT_EQ(12u, v.size());
    SIZE ab, aSpaceB;
    font->GetTextExtent("AB", &ab);
    font->GetTextExtent("A B", &aSpaceB);
    EXPECT_GT(aSpaceB.cx, ab.cx);
}

TEST_F(FontTest, LongTextIsDrawnFortyNineCharactersPerBatch)
{
    auto font = makeFont(10);
    device.clearCalls();
    std::string text(100, 'x');
    font->DrawTextA(0, 0, 0xFFFFFFFF, text.c_str(), 0);
    auto draws = device.named("DrawPrimitive");
    ASSERT_EQ(3u, draws.size());
    EXPECT_EQ(98.0, draws[0].args[2]);
    EXPECT_EQ(98.0, draws[1].args[2]);
    EXPECT_EQ(4.0, draws[2].args[2]);
}

TEST_F(FontTest, CentringUsesTheViewportAndTheFirstLine)
{
    auto font = makeFont(10);
    SIZE size;
    font->GetTextExtent("Hello", &size);
    device.clearCalls();
    font->DrawTextA(0, 0, 0xFFFFFFFF, "Hello\nsecond line, much longer than the first", D3DFONT_CENTERED_X);
    // The first line's first quad sits where an uncentred draw at the centred x would put it.
    auto centred = lastBatch();
    device.clearCalls();
    font->DrawTextA((800.0f - float(size.cx)) / 2.0f, 0, 0xFFFFFFFF, "H", 0);
    auto manual = lastBatch();
    ASSERT_FALSE(centred.empty());
    ASSERT_FALSE(manual.empty());
    EXPECT_FLOAT_EQ(manual[0].x, centred[0].x);
}

TEST_F(FontTest, ScaledAndThreeDimensionalTextDrawAndRestoreTheState)
{
    auto font = makeFont(10);
    DeviceState before = device.state();
    device.clearCalls();
    EXPECT_EQ(D3D_OK, font->DrawTextScaled(-1, 1, 0.5f, 0.1f, 0.1f, 0xFFFFFFFF, "scaled", 0));
    EXPECT_EQ(1u, device.count("DrawPrimitive"));
    EXPECT_TRUE(sameState(before, device.state()));

    device.clearCalls();
    std::string text(120, 'w');
    EXPECT_EQ(D3D_OK, font->Render3DText(text.c_str(), D3DFONT_TWOSIDED));
    auto fvf = device.named("SetFVF");
    ASSERT_FALSE(fvf.empty());
    EXPECT_EQ(double(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1), fvf[0].args[0]);
    size_t triangles = 0;
    for (const auto& d : device.named("DrawPrimitive"))
        triangles += size_t(d.args[2]);
    EXPECT_EQ(240u, triangles);
    EXPECT_TRUE(sameState(before, device.state()));
}

TEST_F(FontTest, RestoringTwiceKeepsOneBufferAndDrawsOnce)
{
    auto font = makeFont(10);
    ASSERT_EQ(D3D_OK, font->RestoreDeviceObjects());
    device.clearCalls();
    EXPECT_EQ(D3D_OK, font->DrawTextA(0, 0, 0xFFFFFFFF, "ab", 0));
    EXPECT_EQ(1u, device.count("DrawPrimitive"));
}

TEST_F(FontTest, WithoutDeviceNothingIsDrawn)
{
    CD3DFont font("Arial", 10, 0);
    EXPECT_TRUE(FAILED(font.DrawTextA(0, 0, 0xFFFFFFFF, "text", 0)));
    EXPECT_EQ(10, font.getHeight());
    auto made = makeFont(12);
    made->InvalidateDeviceObjects();
    made->DeleteDeviceObjects();
    EXPECT_TRUE(FAILED(made->DrawTextA(0, 0, 0xFFFFFFFF, "text", 0)));
}

TEST_F(FontTest, ZEnableFlagKeepsTheDepthTest)
{
    auto font = makeFont(10, D3DFONT_ZENABLE);
    device.SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    device.clearCalls();
    font->DrawTextA(0, 0, 0xFFFFFFFF, "z", 0);
    EXPECT_EQ(double(D3DZB_TRUE), firstValue(D3DRS_ZENABLE));
}

} // namespace
