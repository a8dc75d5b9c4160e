#include "game/utils/mathutils.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ScreenToGame, CentreCornersAndScale)
{
    float x = 1, y = 1;
    getGameCoordFromScreenCoord(800, 600, 800, 600, 250, 0, 400 - 400, 300 - 300, &x, &y);
    EXPECT_EQ(x, 250);
    EXPECT_EQ(y, 0);
    getGameCoordFromScreenCoord(800, 600, 800, 600, 250, 0, 0 - 400, 0 - 300, &x, &y);
    EXPECT_EQ(x, -150);
    EXPECT_EQ(y, -300);
    getGameCoordFromScreenCoord(800, 600, 800, 600, 250, 0, 799 - 400, 599 - 300, &x, &y);
    EXPECT_EQ(x, 649);
    EXPECT_EQ(y, 299);
    getGameCoordFromScreenCoord(800, 600, 1600, 600, 7, 0, 10, 0, &x, &y);
    EXPECT_EQ(x, 27);
}

TEST(ScreenToGame, ScreenCoordIsTheInverse)
{
    for (float sx : {-400.0f, -1.0f, 0.0f, 123.0f, 399.0f}) {
        float gx, gy;
        int px, py;
        float sy = std::floor(sx / 2);
        getGameCoordFromScreenCoord(800, 600, 1600, 1200, 3000, -40, sx, sy, &gx, &gy);
        getScreenCoord(800, 600, 1600, 1200, 3000, -40, gx, gy, &px, &py);
        EXPECT_EQ(px, int(sx));
        EXPECT_EQ(py, int(sy));
    }
}

} // namespace
