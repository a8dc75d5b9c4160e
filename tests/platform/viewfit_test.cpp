#include "engine/platform/viewfit.h"

#include <gtest/gtest.h>

namespace {

using platform::fitView;
using platform::ViewRect;
using platform::windowToView;

void expectRect(const ViewRect& r, int x, int y, int w, int h)
{
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, w);
    EXPECT_EQ(r.height, h);
}

TEST(ViewFit, FillsWholeScalesAndBarsTheRest)
{
    expectRect(fitView(800, 600, 800, 600), 0, 0, 800, 600);
    expectRect(fitView(800, 600, 1600, 1200), 0, 0, 1600, 1200);
    expectRect(fitView(800, 600, 1920, 1080), 240, 0, 1440, 1080);
    expectRect(fitView(800, 600, 1280, 1024), 0, 32, 1280, 960);
    expectRect(fitView(800, 600, 2560, 1440), 320, 0, 1920, 1440);
}

TEST(ViewFit, WindowPixelsToViewPixels)
{
    int x = -1, y = -1;
    ViewRect same = fitView(800, 600, 800, 600);
    windowToView(same, 800, 600, 799, 599, &x, &y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
    windowToView(same, 800, 600, 123, 45, &x, &y);
    EXPECT_EQ(x, 123);
    EXPECT_EQ(y, 45);

    ViewRect twice = fitView(800, 600, 1600, 1200);
    windowToView(twice, 800, 600, 1599, 1199, &x, &y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
    windowToView(twice, 800, 600, 701, 3, &x, &y);
    EXPECT_EQ(x, 350);
    EXPECT_EQ(y, 1);

    // Full HD: the bars and anything beyond map to the nearest edge.
    ViewRect wide = fitView(800, 600, 1920, 1080);
    windowToView(wide, 800, 600, 0, 0, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    windowToView(wide, 800, 600, 239, 540, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 300);
    windowToView(wide, 800, 600, 240 + 1439, 1079, &x, &y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
    windowToView(wide, 800, 600, 1919, -5, &x, &y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 0);
    windowToView(wide, 800, 600, 960, 540, &x, &y);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 300);
}

} // namespace
