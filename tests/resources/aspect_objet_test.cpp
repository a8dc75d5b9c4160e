#include "engine/manager/aspect.h"
#include "engine/manager/materiel.h"
#include "engine/manager/objet3D.h"
#include "engine/manager/vertexbuffer.h"
#include "tests/resources/fixture.h"

#include <memory>
#include <sstream>

namespace {

class AspectTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        ASSERT_TRUE(writePng("pixel.png", 1, 1, {0xFFFF0000}));
        t.reset(TEXTURE::loadtexture("pixel.png"));
        u.reset(TEXTURE::loadtexture("pixel.png"));
        ASSERT_TRUE(t && u);
        dev.clearCalls();
    }
    void TearDown() override
    {
        t.reset();
        u.reset();
        DeviceTest::TearDown();
    }
    std::vector<const void*> boundStages()
    {
        std::vector<const void*> out;
        for (auto& c : dev.named("SetTexture")) {
            EXPECT_EQ(c.args[0], (double)out.size());
            out.push_back(c.ptrs[0]);
        }
        return out;
    }
    std::unique_ptr<TEXTURE> t, u;
};

TEST_F(AspectTest, FreshAspectClearsStageZeroOnlyAndSetsNoMaterial)
{
    ASPECT a;
    a.afficheaspect();
    EXPECT_EQ(dev.calls.size(), 1u);
    EXPECT_EQ(boundStages(), (std::vector<const void*>{nullptr}));
    EXPECT_EQ(dev.count("SetMaterial"), 0u);
}

TEST_F(AspectTest, HighestStageUsedBoundsTheStagesApplied)
{
    ASPECT a;
    EXPECT_TRUE(a.settexture(t.get(), 3));
    a.afficheaspect();
    const void* tex = t->gettexture();
    EXPECT_EQ(boundStages(), (std::vector<const void*>{nullptr, nullptr, nullptr, tex}));

    dev.clearCalls();
    EXPECT_TRUE(a.settexture(nullptr, 3));
    a.afficheaspect();
    EXPECT_EQ(boundStages(), (std::vector<const void*>{nullptr, nullptr, nullptr, nullptr}));
}

TEST_F(AspectTest, StagesOutsideZeroToSevenAreRefused)
{
    ASPECT a;
    EXPECT_FALSE(a.settexture(t.get(), 8));
    EXPECT_FALSE(a.settexture(t.get(), -1));
    EXPECT_EQ(a.getTexture(8), nullptr);
    EXPECT_EQ(a.getTexture(-1), nullptr);
    a.afficheaspect();
    EXPECT_EQ(dev.count("SetTexture"), 1u);
}

TEST_F(AspectTest, MaterialGoesFirstAndSetAspectBindsOnlyStageZero)
{
    std::unique_ptr<MATERIEL> m(MATERIEL::loadmateriel("1 0 0 1 1 1 1 1 0 0 0 0 0 0 0 0 5"));
    ASPECT a;
    a.settexture(u.get(), 5);
    testing::internal::CaptureStdout();
    a.setaspect(m.get(), t.get(), u.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    std::ostringstream expected;
    expected << "mat " << static_cast<void*>(m.get()) << "\ntex " << static_cast<void*>(t.get()) << "\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected.str());
    EXPECT_EQ(a.getTexture(1), u.get());
    EXPECT_EQ(a.getTexture(5), nullptr);

    a.afficheaspect();
    ASSERT_EQ(dev.calls.size(), 2u);
    EXPECT_EQ(dev.calls[0].name, "SetMaterial");
    EXPECT_EQ(dev.calls[0].ptrs[0], m->getmateriel());
    EXPECT_FLOAT_EQ(dev.calls[0].material.Power, 5);
    EXPECT_EQ(boundStages(), (std::vector<const void*>{t->gettexture()}));
}

// A vertex buffer of n triangles, its trace lines swallowed.
VERTEXBUFFER* triangles(int n)
{
    VERTEXLIST list;
    for (int i = 0; i < 3 * n; ++i)
        list.add((float)i, 0, 0, 0, 0, 255, 255, 255, 255);
    testing::internal::CaptureStdout();
    VERTEXBUFFER* vb = new VERTEXBUFFER(list, D3DPT_TRIANGLELIST);
    testing::internal::GetCapturedStdout();
    return vb;
}

class ObjetTest : public AspectTest {};

TEST_F(ObjetTest, DrawsWorldTransformThenMaterialTexturesAndPrimitives)
{
    std::unique_ptr<VERTEXBUFFER> vb(triangles(3));
    std::unique_ptr<MATERIEL> m(MATERIEL::loadmateriel("1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0"));
    D3DXMATRIXA16 local, parent;
    D3DXMatrixScaling(&local, 2, 3, 1);
    D3DXMatrixTranslation(&parent, 10, 20, 5);
    OBJET3D obj(vb.get(), m.get(), t.get(), &local);
    dev.clearCalls();

    obj.afficher(&parent);
    std::vector<std::string> names;
    for (auto& c : dev.calls)
        names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"SetTransform", "SetMaterial", "SetTexture", "SetFVF",
                                               "SetStreamSource", "DrawPrimitive"}));
    D3DXMATRIX expected = local * parent;
    EXPECT_EQ(dev.calls[0].args[0], (double)D3DTS_WORLD);
    EXPECT_EQ(D3DXMATRIX(dev.calls[0].matrix), expected);
    EXPECT_FLOAT_EQ(dev.calls[0].matrix._11, 2);
    EXPECT_FLOAT_EQ(dev.calls[0].matrix._42, 20);
    EXPECT_EQ(dev.calls[2].ptrs[0], t->gettexture());
    EXPECT_EQ(dev.calls[3].args[0], 0x142);
    EXPECT_EQ(dev.calls[4].args, (std::vector<double>{0, 0, 24}));
    EXPECT_EQ(dev.calls[4].ptrs[0], vb->getVertexbuffer());
    EXPECT_EQ(dev.calls[5].args, (std::vector<double>{D3DPT_TRIANGLELIST, 0, 3}));

    dev.clearCalls();
    obj.afficher(nullptr);
    EXPECT_EQ(D3DXMATRIX(dev.calls[0].matrix), D3DXMATRIX(local));
}

TEST_F(ObjetTest, HiddenObjectMakesNoCall)
{
    std::unique_ptr<VERTEXBUFFER> vb(triangles(1));
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    obj.setVisible(false);
    dev.clearCalls();
    obj.afficher(nullptr);
    EXPECT_TRUE(dev.calls.empty());
}

TEST_F(ObjetTest, WithoutContainerThereAreNoSubsets)
{
    std::unique_ptr<MATERIEL> m(MATERIEL::loadmateriel("1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0"));
    OBJET3D obj(nullptr, m.get(), t.get(), nullptr);
    EXPECT_EQ(obj.getNumelement(), 0);
    EXPECT_FALSE(obj.settexture(t.get(), 0));
    EXPECT_FALSE(obj.setmateriel(m.get(), 0));
    EXPECT_EQ(obj.getAspect(0), nullptr);
    std::ostringstream os;
    obj.print(os);
    EXPECT_EQ(os.str(), "OBJET3D nummat : 0\n");
    dev.clearCalls();
    obj.afficher(nullptr);
    EXPECT_EQ(dev.count("DrawPrimitive"), 0u);
}

TEST_F(ObjetTest, SubsetIndexIsCheckedAndTextureGoesToStageZero)
{
    std::unique_ptr<VERTEXBUFFER> vb(triangles(1));
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    EXPECT_EQ(obj.getNumelement(), 1);
    EXPECT_TRUE(obj.settexture(t.get(), 0));
    EXPECT_EQ(obj.getAspect(0)->getTexture(0), t.get());
    EXPECT_FALSE(obj.settexture(t.get(), 1));
    EXPECT_FALSE(obj.settexture(t.get(), -1));
    EXPECT_EQ(obj.getAspect(1), nullptr);
}

TEST_F(ObjetTest, NewContainerDropsTheOldAspects)
{
    std::unique_ptr<VERTEXBUFFER> a(triangles(1)), b(triangles(2));
    std::unique_ptr<MATERIEL> m(MATERIEL::loadmateriel("1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0"));
    OBJET3D obj(a.get(), m.get(), t.get(), nullptr);
    obj.setConteneur(b.get());
    EXPECT_EQ(obj.getConteneur(), b.get());
    EXPECT_EQ(obj.getAspect(0)->getMateriel(), nullptr);
    EXPECT_EQ(obj.getAspect(0)->getTexture(0), nullptr);
}

TEST_F(ObjetTest, CopySharesGeometryAndTexturesWithFreshEqualMaterials)
{
    std::unique_ptr<VERTEXBUFFER> vb(triangles(1));
    std::unique_ptr<MATERIEL> m(MATERIEL::loadmateriel("0.5 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 3"));
    D3DXMATRIXA16 local;
    D3DXMatrixTranslation(&local, 1, 2, 3);
    OBJET3D obj(vb.get(), m.get(), t.get(), &local);
    obj.getAspect(0)->settexture(u.get(), 2);
    obj.setName("source");

    std::unique_ptr<ELEMENT3D> c(obj.copy());
    OBJET3D* copy = dynamic_cast<OBJET3D*>(c.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getConteneur(), vb.get());
    EXPECT_EQ(*copy->getmatrice(), *obj.getmatrice());
    EXPECT_NE(copy->getmatrice(), obj.getmatrice());
    EXPECT_STREQ(copy->getName(), "");
    MATERIEL* cm = copy->getAspect(0)->getMateriel();
    ASSERT_NE(cm, nullptr);
    EXPECT_NE(cm, m.get());
    EXPECT_EQ(cm->getValues(), m->getValues());
    EXPECT_EQ(copy->getAspect(0)->getTexture(0), t.get());
    EXPECT_EQ(copy->getAspect(0)->getTexture(2), nullptr); // only stage 0 is carried over
}

TEST_F(ObjetTest, PrintXmlWritesMaterialThenUsedStagesPerSubset)
{
    std::unique_ptr<VERTEXBUFFER> vb(triangles(1));
    vb->setName("quad");
    std::unique_ptr<MATERIEL> m(MATERIEL::loadmateriel("1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0"));
    t->setName("herbe");
    u->setName("ciel");
    OBJET3D obj(vb.get(), m.get(), t.get(), nullptr);
    obj.getAspect(0)->settexture(u.get(), 2);
    std::ostringstream os;
    obj.printXML(os);
    EXPECT_EQ(os.str(), "<objet3d conteneur = \"quad\"   matrice = \"1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1\" >\n"
                        "<materiel values = \"1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0\"></materiel>\n"
                        "<texture nom = \"herbe\"   stage = \"0\" ></texture>\n"
                        "<texture nom = \"ciel\"   stage = \"2\" ></texture>\n"
                        "</objet3d>\n");
}

TEST_F(ObjetTest, DestructorTracesObjectThenElement)
{
    OBJET3D* obj = new OBJET3D(nullptr, nullptr, nullptr, nullptr);
    testing::internal::CaptureStdout();
    delete obj;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "wtf objet3d\nwtf element3d\n");
}

} // namespace
