// Pictures grow to powers of two with the same texels whichever path the
// loader takes; the registry finds long names (past the short-string size).
#include "engine/manager/manager.h"
#include "engine/manager/texture.h"
#include "tests/resources/fixture.h"

#include <cmath>
#include <cstdlib>

namespace {

class StretchTest : public DeviceTest {};

// Bilinear between texel centres, edges clamped, each channel rounded.
uint32_t reference(const std::vector<uint32_t>& px, int w, int h, int dw, int dh, int dx, int dy)
{
    float sx = (float)w / (float)dw, sy = (float)h / (float)dh;
    float fx = ((float)dx + 0.5f) * sx - 0.5f, fy = ((float)dy + 0.5f) * sy - 0.5f;
    int x0 = (int)std::floor(fx), y0 = (int)std::floor(fy);
    float tx = fx - (float)x0, ty = fy - (float)y0;
    auto at = [&](int x, int y) {
        x = x < 0 ? 0 : x >= w ? w - 1 : x;
        y = y < 0 ? 0 : y >= h ? h - 1 : y;
        return px[(size_t)y * (size_t)w + (size_t)x];
    };
    auto lerp = [](uint32_t a, uint32_t b, float t) {
        uint32_t out = 0;
        for (int s = 0; s < 32; s += 8) {
            float v = (float)((a >> s) & 0xFF) * (1.0f - t) + (float)((b >> s) & 0xFF) * t;
            out |= (uint32_t)(v + 0.5f) << s;
        }
        return out;
    };
    uint32_t top = lerp(at(x0, y0), at(x0 + 1, y0), tx);
    uint32_t bottom = lerp(at(x0, y0 + 1), at(x0 + 1, y0 + 1), tx);
    return lerp(top, bottom, ty);
}

TEST_F(StretchTest, OddPictureGrowsTexelForTexelAsTheBilinearFormula)
{
    const int w = 37, h = 23;
    std::vector<uint32_t> px(w * h);
    std::srand(7);
    for (uint32_t& p : px)
        p = 0xFF000000u | ((uint32_t)std::rand() & 0xFFFFFF);
    for (size_t i = 0; i < px.size(); i += 5)
        px[i] = (px[i] & 0xFFFFFF) | (uint32_t)(std::rand() & 0xFF) << 24; // some translucent
    ASSERT_TRUE(writePng("odd.png", w, h, px));

    TEXTURE* t = TEXTURE::loadtexture("odd.png");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->getWidth(), 64);
    ASSERT_EQ(t->getHeigth(), 32);
    int faux = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            faux += texelOf(t->gettexture(), x, y) != reference(px, w, h, 64, 32, x, y);
    EXPECT_EQ(faux, 0);
    delete t;
}

TEST_F(StretchTest, PictureAlreadyAPowerOfTwoIsCopied)
{
    std::vector<uint32_t> px = {0xFF102030u, 0xFF405060u, 0x00000000u, 0xFFFFFFFFu};
    ASSERT_TRUE(writePng("square.png", 2, 2, px));
    TEXTURE* t = TEXTURE::loadtexture("square.png");
    ASSERT_NE(t, nullptr);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(texelOf(t->gettexture(), i % 2, i / 2), px[(size_t)i]);
    delete t;
}

TEST(Registry, LongNamesAreFoundAndTheFirstRegistrationWins)
{
    MANAGER m;
    const char* longName = "a_texture_name_longer_than_any_short_string";
    ASSERT_TRUE(m.loadmateriel(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, longName));
    MATERIEL* kept = m.getmateriel(longName);
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(m.loadmateriel(1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, longName));
    EXPECT_EQ(m.getmateriel(longName), kept);
    ASSERT_TRUE(m.loadmateriel(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, "a_texture"));
    MATERIEL* prefix = m.getmateriel("a_texture");
    EXPECT_NE(prefix, kept);
    EXPECT_EQ(m.getmateriel("a_texture_name_longer_than_any_short_strin"), nullptr);
    // The registry destroys nothing.
    delete kept;
    delete prefix;
}

} // namespace
