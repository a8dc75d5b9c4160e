#include "engine/platform/recording_device.h"
#include "game/setup.h"
#include "game/setup_decor.h"
#include "tests/support/owning_manager.h"

#include <gtest/gtest.h>

namespace {

TEST(DecorTapis, StripeOffsetSlidesAndWraps)
{
    float offset = DecorTapis::TRAITS_DEBUT;
    for (int n = 1; n <= 40; ++n) {
        offset = DecorTapis::avancerTraits(offset, 30);
        float expected = 15 - 1.5f * n;
        while (expected < -17)
            expected += 32;
        ASSERT_NEAR(offset, expected, 1e-3) << "after " << n << " frames";
        ASSERT_GE(offset, -17);
        ASSERT_LT(offset, 15);
    }
}

TEST(DecorTapis, DrawsEveryPieceInRowOrder)
{
    platform::RecordingDevice dev;
    OwningManager m;
    initall(&dev);
    testing::internal::CaptureStdout();
    chargercube(&m, &dev);
    chargerElements3D(&m);
    DecorTapis decor(&m);
    dev.clearCalls();
    decor.afficherFond(4000, 0);
    decor.afficherFin();
    testing::internal::GetCapturedStdout();
    initall(nullptr);

    // background, bar, cursor, start piece, 30 segments, 12 stripe pieces, finish
    EXPECT_EQ(dev.count("DrawPrimitive"), 1u + 1 + 1 + 1 + 30 + 12 + 1);
    auto worlds = dev.named("SetTransform");
    ASSERT_EQ(worlds.size(), 47u);
    EXPECT_FLOAT_EQ(worlds[0].matrix._41, 4000);       // flames centred on the camera
    EXPECT_FLOAT_EQ(worlds[2].matrix._41, 4000 + 0);   // half way: (4000/8000 - 0.5) * 760 = 0
    EXPECT_FLOAT_EQ(worlds[2].matrix._42, 280);
    EXPECT_FLOAT_EQ(worlds[3].matrix._41, -87);        // the start piece
    EXPECT_FLOAT_EQ(worlds[4].matrix._41, 150);        // first segment
    EXPECT_FLOAT_EQ(worlds[33].matrix._41, 150 + 285 * 29);
    EXPECT_FLOAT_EQ(worlds[34].matrix._41, 291.5f);    // first stripe piece
    EXPECT_FLOAT_EQ(worlds[45].matrix._41, 291.5f + 736 * 11);
    EXPECT_FLOAT_EQ(worlds[46].matrix._41, 8000 - 50); // the finish, its centre 50 to the left
}

} // namespace
