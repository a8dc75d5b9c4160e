// The font through the GL device: text shows in its colour where it is drawn,
// and the game's drawing state comes back afterwards.
#include "engine/libD3D/d3dfont.h"
#include "engine/platform/gl_device.h"
#include "tests/support/gl_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FontOnScreen, TextShowsInItsColourInsideItsExtent)
{
    std::string why;
    IDirect3DDevice9* device = testsupport::createGLDevice(&why);
    if (!device)
        GTEST_SKIP() << "no GL window: " << why;
    {
        CD3DFont font("Arial", 30, 0);
        ASSERT_EQ(D3D_OK, font.InitDeviceObjects(device));
        ASSERT_EQ(D3D_OK, font.RestoreDeviceObjects());
        SIZE size;
        font.GetTextExtent("DE F1 A F10", &size);

        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF73739B, 1.0f, 0);
        ASSERT_EQ(D3D_OK, font.DrawTextA(100, 200, 0xFFFFFF00, "DE F1 A F10", 0));

        std::vector<uint32_t> inside, around;
        ASSERT_TRUE(platform::readBackBuffer(100, 200, size.cx, size.cy, inside));
        size_t yellow = 0, other = 0;
        for (uint32_t p : inside) {
            p &= 0xFFFFFF;
            if (p == 0xFFFF00)
                ++yellow;
            else if (p != 0x73739B)
                ++other; // antialiased edges, blended over the background
        }
        EXPECT_GT(yellow, 200u);
        EXPECT_GT(other, 0u);

        // Nothing drawn left of the text or below it.
        ASSERT_TRUE(platform::readBackBuffer(0, 200, 95, size.cy, around));
        for (uint32_t p : around)
            ASSERT_EQ(0x73739Bu, p & 0xFFFFFF);
        ASSERT_TRUE(platform::readBackBuffer(100, 200 + size.cy + 2, size.cx, 20, around));
        for (uint32_t p : around)
            ASSERT_EQ(0x73739Bu, p & 0xFFFFFF);
    }
    device->Release();
}

} // namespace
