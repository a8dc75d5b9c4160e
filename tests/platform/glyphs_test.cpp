// The GDI-like glyph surface over FreeType and fontconfig.
#include "engine/platform/glyphs.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(MulDiv, RoundsTheSixtyFourBitQuotient)
{
    EXPECT_EQ(40, MulDiv(30, 96, 72));
    EXPECT_EQ(13, MulDiv(10, 96, 72)); // 13.33
    EXPECT_EQ(2, MulDiv(3, 1, 2));     // 1.5 rounds away from zero
    EXPECT_EQ(-2, MulDiv(-3, 1, 2));
    EXPECT_EQ(-1, MulDiv(5, 5, 0));
    EXPECT_EQ(2000000000, MulDiv(2000000000, 2000000000, 2000000000));
}

class GlyphSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!surface.selectFont("Arial", 40, false, false))
            GTEST_SKIP() << "no scalable font installed (apt-get install fonts-liberation)";
    }
    platform::GlyphSurface surface;
};

TEST_F(GlyphSurfaceTest, ArialAtFortyPixelsHasAGdiLikeLineHeight)
{
    // Arial's (and Liberation Sans') Windows ascent and descent: 0.905 + 0.212 em.
    EXPECT_GE(surface.lineHeight(), 44);
    EXPECT_LE(surface.lineHeight(), 46);
    SIZE x = surface.textExtent("x", 1);
    EXPECT_EQ(surface.lineHeight(), x.cy);
    EXPECT_GT(x.cx, 10);
    EXPECT_LT(x.cx, 30);
}

TEST_F(GlyphSurfaceTest, ExtentsAreSumsOfAdvances)
{
    SIZE i = surface.textExtent("i", 1), w = surface.textExtent("W", 1);
    SIZE iw = surface.textExtent("iWi", 3);
    EXPECT_EQ(2 * i.cx + w.cx, iw.cx);
    EXPECT_LT(i.cx, w.cx);
    EXPECT_EQ(0, surface.textExtent("", 0).cx);
}

TEST_F(GlyphSurfaceTest, GlyphsAreDrawnWhiteOnBlackInsideTheirCell)
{
    surface.createBitmap(100, 60);
    surface.drawText(10, 5, "H", 1);
    SIZE h = surface.textExtent("H", 1);
    const uint32_t* bits = surface.bits();
    int lit = 0, partial = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x) {
            uint32_t p = bits[y * 100 + x];
            if (p == 0)
                continue;
            ASSERT_EQ(p & 0xFF, (p >> 8) & 0xFF);
            ASSERT_EQ(p & 0xFF, (p >> 16) & 0xFF);
            ASSERT_EQ(0u, p >> 24);
            EXPECT_GE(x, 10);
            EXPECT_LT(x, 10 + h.cx);
            EXPECT_GE(y, 5);
            EXPECT_LT(y, 5 + h.cy);
            ++lit;
            partial += (p & 0xFF) < 0xFF;
        }
    EXPECT_GT(lit, 100);
    EXPECT_GT(partial, 0) << "antialiased";
}

TEST_F(GlyphSurfaceTest, DrawingOutsideTheBitmapIsClipped)
{
    surface.createBitmap(8, 8);
    surface.drawText(-20, -20, "WWW", 3);
    surface.drawText(4, 4, "W", 1);
    int lit = 0;
    for (int i = 0; i < 64; ++i)
        lit += surface.bits()[i] != 0;
    EXPECT_GT(lit, 0);
}

TEST_F(GlyphSurfaceTest, BoldIsWiderThanRegular)
{
    SIZE regular = surface.textExtent("Plumfall", 8);
    platform::GlyphSurface bold;
    ASSERT_TRUE(bold.selectFont("Arial", 40, true, false));
    EXPECT_GT(bold.textExtent("Plumfall", 8).cx, regular.cx);
}

} // namespace
