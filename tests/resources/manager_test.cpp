#include "engine/manager/manager.h"
#include "engine/manager/objet3D.h"
#include "engine/scene/scene.h"
#include "tests/resources/fixture.h"

#include <sstream>

namespace {

class ManagerTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        ASSERT_TRUE(writePng("pixel.png", 1, 1, {0xFFFF0000}));
    }
    void TearDown() override
    {
        // The manager never frees what it holds; the test does.
        for (TEXTURE* t : owned)
            delete t;
        DeviceTest::TearDown();
    }
    TEXTURE* keep(TEXTURE* t)
    {
        owned.push_back(t);
        return t;
    }
    std::vector<TEXTURE*> owned;
    MANAGER manager;
};

TEST_F(ManagerTest, LoadTextureTracesAndATakenNameReadsNoFile)
{
    testing::internal::CaptureStdout();
    EXPECT_TRUE(manager.loadtexture("pixel.png", "rouge"));
    EXPECT_FALSE(manager.loadtexture("pixel.png", "rouge"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "pixel.png    rouge\npixel.png    rouge\n");
    EXPECT_EQ(dev.count("CreateTexture"), 1u);

    TEXTURE* t = keep(manager.gettexture("rouge"));
    ASSERT_NE(t, nullptr);
    EXPECT_STREQ(t->getName(), "rouge");
}

TEST_F(ManagerTest, FailedLookupsAndLoadsLeaveTheNameFree)
{
    EXPECT_EQ(manager.gettexture("x"), nullptr);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(manager.loadtexture("absent.png", "x"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "absent.png    x\n");
    EXPECT_EQ(manager.gettexture("x"), nullptr);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(manager.loadtexture("pixel.png", "x"));
    testing::internal::GetCapturedStdout();
    keep(manager.gettexture("x"));

    EXPECT_FALSE(manager.loadtexture((TEXTURE*)nullptr, "y"));
    EXPECT_FALSE(manager.loadelement3d(nullptr, "y"));
    EXPECT_FALSE(manager.loadconteneur(nullptr, "y"));
    EXPECT_EQ(manager.getelement3d("y"), nullptr);
}

TEST_F(ManagerTest, OneTexturePointerUnderTwoNamesTakesTheLastName)
{
    TEXTURE* t = keep(TEXTURE::loadtexture("pixel.png"));
    EXPECT_TRUE(manager.loadtexture(t, "first"));
    EXPECT_TRUE(manager.loadtexture(t, "second"));
    EXPECT_EQ(manager.gettexture("first"), t);
    EXPECT_EQ(manager.gettexture("second"), t);
    EXPECT_STREQ(t->getName(), "second");

    TEXTURE* other = keep(TEXTURE::loadtexture("pixel.png"));
    EXPECT_FALSE(manager.loadtexture(other, "first"));
    EXPECT_EQ(manager.gettexture("first"), t);
    EXPECT_STREQ(other->getName(), "");
}

TEST_F(ManagerTest, DisplayTextureListsGreatestNameFirstWithAnEmptyLineAfterEach)
{
    std::ostringstream empty;
    manager.displaytexture(&empty);
    EXPECT_EQ(empty.str(), "");

    TEXTURE* a = keep(TEXTURE::loadtexture("pixel.png"));
    TEXTURE* b = keep(TEXTURE::loadtexture("pixel.png"));
    TEXTURE* ab = keep(TEXTURE::loadtexture("pixel.png"));
    manager.loadtexture(a, "a");
    manager.loadtexture(b, "b");
    manager.loadtexture(ab, "ab");
    std::ostringstream os, expected;
    manager.displaytexture(&os);
    expected << "b -> " << b << "\nab -> " << ab << "\na -> " << a << "\n";
    EXPECT_EQ(os.str(), expected.str());
    EXPECT_NE(os.str().find("b ->  adresse d3dtexture : "), std::string::npos);
}

TEST_F(ManagerTest, MapsAreIndependentNameSpaces)
{
    TEXTURE* t = keep(TEXTURE::loadtexture("pixel.png"));
    OBJET3D obj(nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(manager.loadtexture(t, "same"));
    EXPECT_TRUE(manager.loadelement3d(&obj, "same"));
    EXPECT_TRUE(manager.loadmateriel("1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0", "same"));
    EXPECT_EQ(manager.gettexture("same"), t);
    EXPECT_EQ(manager.getelement3d("same"), &obj);
    EXPECT_STREQ(obj.getName(), ""); // registration does not name elements
    EXPECT_EQ(manager.getconteneur("same"), nullptr);
    delete manager.getmateriel("same");
}

TEST_F(ManagerTest, MaterialsFirstRegistrationWins)
{
    EXPECT_TRUE(manager.loadmateriel(1, 1, 1, 1, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0, 0, 0.2f, 0.2f, 0.2f, 1, 10, "m"));
    EXPECT_FALSE(manager.loadmateriel("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "m"));
    MATERIEL* m = manager.getmateriel("m");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->getValues(), "1 1 1 1 0.5 0.5 0.5 1 0 0 0 0 0.2 0.2 0.2 1 10");
    std::ostringstream os;
    manager.displaymateriel(&os);
    EXPECT_EQ(os.str().rfind("m ->  adresse materiel : ", 0), 0u);
    EXPECT_NE(os.str().find("power   : 10\n\n"), std::string::npos);
    delete m;
}

TEST_F(ManagerTest, ContainersAreNamedWhenStoredAndPrintTheirKind)
{
    VERTEXLIST list;
    list.add(0, 0, 0, 0, 0, 255, 255, 255, 255);
    testing::internal::CaptureStdout();
    VERTEXBUFFER* vb = new VERTEXBUFFER(list, D3DPT_POINTLIST);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(manager.loadconteneur(vb, "vb"));
    EXPECT_FALSE(manager.loadconteneur(vb, "vb"));
    EXPECT_STREQ(vb->getName(), "vb");

    std::ostringstream os;
    manager.displayconteneur(&os);
    EXPECT_EQ(os.str().rfind("vb -> adresse vertexbuffer :", 0), 0u);
    EXPECT_NE(os.str().find("nbiteration = 1\n\n"), std::string::npos);
    EXPECT_EQ(os.str().find("un conteneur lambda"), std::string::npos);
    delete vb;
}

TEST_F(ManagerTest, LoadMeshOfAMissingFileReportsAndLeavesTheNameFree)
{
    testing::internal::CaptureStdout();
    EXPECT_FALSE(manager.loadmesh("absent.x", "m"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "chargement du mesh : absent.x a echoue \n");
    EXPECT_EQ(manager.getconteneur("m"), nullptr);
}

TEST_F(ManagerTest, ElementsPrintThroughTheirKind)
{
    SCENE scene(nullptr);
    OBJET3D obj(nullptr, nullptr, nullptr, nullptr);
    manager.loadelement3d(&scene, "s");
    manager.loadelement3d(&obj, "o");
    std::ostringstream os;
    manager.displayelement3d(&os);
    EXPECT_EQ(os.str(), "s -> SCENE : 1\n\no -> OBJET3D nummat : 0\n\n");
}

} // namespace
