#include "engine/manager/materiel.h"
#include "engine/manager/texture.h"
#include "tests/resources/fixture.h"

#include <sstream>

namespace {

constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kRed = 0xFFFF0000;

class TextureTest : public DeviceTest {};

TEST_F(TextureTest, PureGreenBecomesTransparentBlackAndOtherTexelsStayOpaque)
{
    // 4x2: green, red, green, half-transparent green (not the key), then a row of blue.
    std::vector<uint32_t> px = {kGreen, kRed, kGreen, 0x8000FF00, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF};
    ASSERT_TRUE(writePng("keyed.png", 4, 2, px));

    TEXTURE* t = TEXTURE::loadtexture("keyed.png");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->getWidth(), 4);
    EXPECT_EQ(t->getHeigth(), 2);
    EXPECT_EQ(texelOf(t->gettexture(), 0, 0), 0u);
    EXPECT_EQ(texelOf(t->gettexture(), 1, 0), kRed);
    EXPECT_EQ(texelOf(t->gettexture(), 2, 0), 0u);
    EXPECT_EQ(texelOf(t->gettexture(), 3, 0), 0x8000FF00u);
    EXPECT_EQ(texelOf(t->gettexture(), 0, 1), 0xFF0000FFu);

    auto created = dev.named("CreateTexture");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].args, (std::vector<double>{4, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED}));
    delete t;
}

TEST_F(TextureTest, SizesRoundUpToPowersOfTwoWithThePictureStretched)
{
    std::vector<uint32_t> px(100 * 60, kRed);
    for (int y = 0; y < 60; ++y)
        for (int x = 50; x < 100; ++x)
            px[(size_t)y * 100 + (size_t)x] = 0xFF0000FF;
    ASSERT_TRUE(writePng("odd.png", 100, 60, px));

    TEXTURE* t = TEXTURE::loadtexture("odd.png");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->getWidth(), 128);
    EXPECT_EQ(t->getHeigth(), 64);
    // Stretched, not padded: the right half of the texture is the right half of the picture.
    EXPECT_EQ(texelOf(t->gettexture(), 10, 10), kRed);
    EXPECT_EQ(texelOf(t->gettexture(), 120, 60), 0xFF0000FFu);
    EXPECT_EQ(texelOf(t->gettexture(), 127, 63), 0xFF0000FFu);
    delete t;
}

TEST_F(TextureTest, MissingOrUnreadableFileGivesNullAndWritesNothing)
{
    writeText("notapicture.png", "hello");
    testing::internal::CaptureStdout();
    EXPECT_EQ(TEXTURE::loadtexture("absent.png"), nullptr);
    EXPECT_EQ(TEXTURE::loadtexture("notapicture.png"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(dev.count("CreateTexture"), 0u);
}

TEST_F(TextureTest, FailedDeviceTextureCreationIsALoadFailure)
{
    ASSERT_TRUE(writePng("one.png", 1, 1, {kRed}));
    dev.failCall("CreateTexture", D3DERR_OUTOFVIDEOMEMORY, 1);
    EXPECT_EQ(TEXTURE::loadtexture("one.png"), nullptr);
    TEXTURE* t = TEXTURE::loadtexture("one.png");
    EXPECT_NE(t, nullptr);
    delete t;
}

TEST_F(TextureTest, NameAndStreamInsertion)
{
    ASSERT_TRUE(writePng("one.png", 1, 1, {kRed}));
    TEXTURE* t = TEXTURE::loadtexture("one.png");
    ASSERT_NE(t, nullptr);
    EXPECT_STREQ(t->getName(), "");
    t->setName("rouge");
    EXPECT_STREQ(t->getName(), "rouge");

    std::ostringstream os, address;
    os << t;
    address << static_cast<void*>(t->gettexture());
    EXPECT_EQ(os.str(), " adresse d3dtexture : " + address.str() + "\n");
    delete t;
}

TEST(Materiel, FloatFormSwapsEmissiveAndSpecularIntoTheBlock)
{
    MATERIEL* m = MATERIEL::loadmateriel(1, 1, 1, 1, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0, 0, 0.2f, 0.2f, 0.2f, 1, 10);
    D3DMATERIAL9* b = m->getmateriel();
    EXPECT_FLOAT_EQ(b->Specular.r, 0.2f);
    EXPECT_FLOAT_EQ(b->Specular.a, 1.0f);
    EXPECT_FLOAT_EQ(b->Emissive.r, 0.0f);
    EXPECT_FLOAT_EQ(b->Emissive.a, 0.0f);
    EXPECT_FLOAT_EQ(b->Ambient.g, 0.5f);
    EXPECT_FLOAT_EQ(b->Power, 10.0f);
    EXPECT_EQ(m->getValues(), "1 1 1 1 0.5 0.5 0.5 1 0 0 0 0 0.2 0.2 0.2 1 10");
    delete m;
}

TEST(Materiel, TextFormReadsAnyWhiteSpaceAndIgnoresTrailingText)
{
    MATERIEL* m = MATERIEL::loadmateriel("1 1 1 1\n0.5 0.5 0.5 1  0 0 0 0 0.2 0.2 0.2 1 10 trailing");
    EXPECT_EQ(m->getValues(), "1 1 1 1 0.5 0.5 0.5 1 0 0 0 0 0.2 0.2 0.2 1 10");
    delete m;

    MATERIEL* e = MATERIEL::loadmateriel("-2.5\t1e-07 +3 4 5 6 7 8 9 10 11 12 13 14 15 16 17");
    EXPECT_EQ(e->getValues(), "-2.5 1e-07 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17");
    EXPECT_FLOAT_EQ(e->getmateriel()->Emissive.r, 9);
    EXPECT_FLOAT_EQ(e->getmateriel()->Specular.r, 13);
    delete e;
}

TEST(Materiel, ShortOrBadTextLeavesTheRestZero)
{
    MATERIEL* m = MATERIEL::loadmateriel("1 2 3 x 5 6");
    EXPECT_EQ(m->getValues(), "1 2 3 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    delete m;
}

TEST(Materiel, WrittenTextReadsBackToTheSameMaterial)
{
    MATERIEL* a = MATERIEL::loadmateriel(0.1f, 0.25f, 1.0f / 3, 1, 0.7f, 0.8f, 0.9f, 0.5f, 1e-7f, 2, 3, 4, 123.456f,
                                         0.001f, 0, 1, 64);
    MATERIEL* b = MATERIEL::loadmateriel(a->getValues().c_str());
    const float* fa = &a->getmateriel()->Diffuse.r;
    const float* fb = &b->getmateriel()->Diffuse.r;
    for (int i = 0; i < 17; ++i)
        EXPECT_NEAR(fa[i], fb[i], 1e-5f * (1 + std::abs(fa[i]))) << i;
    EXPECT_EQ(a->getValues(), b->getValues());
    delete a;
    delete b;
}

TEST(Materiel, CopyIsIndependentAndCopyOfNullIsZero)
{
    MATERIEL* a = MATERIEL::loadmateriel(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17);
    MATERIEL* c = new MATERIEL(a);
    EXPECT_NE(c->getmateriel(), a->getmateriel());
    EXPECT_EQ(c->getValues(), a->getValues());
    a->getmateriel()->Power = 99;
    EXPECT_FLOAT_EQ(c->getmateriel()->Power, 17);

    MATERIEL* none = nullptr;
    MATERIEL* z = new MATERIEL(none);
    EXPECT_EQ(z->getValues(), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    delete a;
    delete c;
    delete z;
}

TEST(Materiel, PrintsSixLinesWithEmissiveBeforeSpecular)
{
    MATERIEL* m = MATERIEL::loadmateriel(1, 1, 1, 1, 0.5f, 0.5f, 0.5f, 1, 0.1f, 0.2f, 0.3f, 0.4f, 0.2f, 0.2f, 0.2f, 1, 10);
    std::ostringstream os, address;
    os << m;
    address << static_cast<void*>(m->getmateriel());
    EXPECT_EQ(os.str(), " adresse materiel : " + address.str() +
                            "\ndiffuse : 1 1 1 1\nAmbient : 0.5 0.5 0.5 1\nEmissive : 0.1 0.2 0.3 0.4\n"
                            "Specular : 0.2 0.2 0.2 1\npower   : 10\n");
    delete m;
}

} // namespace
