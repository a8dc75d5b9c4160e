// The GL device's draw counter, which the drawing benchmark reads: it counts
// the draws that reach GL, on a GL device only.
#include "engine/platform/gl_device.h"
#include "engine/platform/recording_device.h"
#include "tests/support/gl_window.h"

#include <gtest/gtest.h>

namespace {

struct Point {
    float x, y, z, rhw;
    D3DCOLOR color;
};

TEST(GLSeams, DrawCounterCountsDrawsThatReachGLAndOnlyOnAGLDevice)
{
    std::string why;
    IDirect3DDevice9* device = testsupport::createGLDevice(&why);
    if (!device)
        GTEST_SKIP() << "no GL window: " << why;
    size_t avant = platform::glDrawCallCount(device);
    Point tri[3] = {{10, 10, 0, 1, 0xFFFFFFFF}, {50, 10, 0, 1, 0xFFFFFFFF}, {10, 50, 0, 1, 0xFFFFFFFF}};
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
    device->BeginScene();
    for (int i = 0; i < 3; ++i)
        device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, tri, sizeof(Point));
    // Refused before it reaches GL: not counted.
    device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 0, tri, sizeof(Point));
    device->EndScene();
    EXPECT_EQ(platform::glDrawCallCount(device) - avant, 3u);

    platform::RecordingDevice recording;
    EXPECT_EQ(platform::glDrawCallCount(&recording), 0u);
    EXPECT_EQ(platform::glDrawCallCount(nullptr), 0u);
    device->Release();
}

} // namespace
