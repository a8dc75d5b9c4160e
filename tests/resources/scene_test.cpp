#include "engine/manager/objet3D.h"
#include "engine/manager/vertexbuffer.h"
#include "engine/scene/lumiere.h"
#include "engine/scene/scene.h"
#include "tests/resources/fixture.h"

#include <functional>
#include <cstring>
#include <memory>
#include <set>
#include <sstream>

namespace {

class SceneTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        VERTEXLIST list;
        for (int i = 0; i < 3; ++i)
            list.add((float)i, 0, 0, 0, 0, 255, 255, 255, 255);
        testing::internal::CaptureStdout();
        vb.reset(new VERTEXBUFFER(list, D3DPT_TRIANGLELIST));
        testing::internal::GetCapturedStdout();
        vb->setName("tri");
    }
    std::unique_ptr<VERTEXBUFFER> vb;
};

TEST(Element, NewElementAndItsMatrixText)
{
    OBJET3D e(nullptr, nullptr, nullptr, nullptr);
    D3DXMATRIXA16 identity;
    D3DXMatrixIdentity(&identity);
    EXPECT_EQ(*e.getmatrice(), identity);
    EXPECT_TRUE(e.getVisible());
    EXPECT_EQ(e.getParent(), nullptr);
    EXPECT_STREQ(e.getName(), "");
    EXPECT_EQ(e.getMatValues(), "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1");

    D3DXMATRIXA16 m;
    D3DXMatrixTranslation(&m, -2.5f, 1e-7f, 0.5f);
    e.setmatrice(&m);
    m._41 = 99;
    EXPECT_EQ(e.getMatValues(), "1 0 0 0 0 1 0 0 0 0 1 0 -2.5 1e-07 0.5 1");
    e.setmatrice(nullptr);
    EXPECT_EQ(*e.getmatrice(), identity);
}

TEST(Element, DepthAndIndentation)
{
    SCENE a(nullptr), b(nullptr), c(nullptr);
    OBJET3D d(nullptr, nullptr, nullptr, nullptr);
    b.setParent(&a);
    c.setParent(&b);
    d.setParent(&c);
    EXPECT_EQ(a.getDepth(), 0);
    EXPECT_EQ(d.getDepth(), 3);
    EXPECT_EQ(d.TAB(), std::string(9, ' '));
    EXPECT_EQ(a.TAB(), "");
    EXPECT_EQ(tabBuilder(2), "      ");
    EXPECT_EQ(tabBuilder(-1), "");
}

TEST(Element, BaseBehaviourAsSeenThroughALight)
{
    LUMIERE l(D3DLIGHT_POINT, 1, 0, 0);
    EXPECT_FALSE(l.settexture(nullptr, 0));
    std::ostringstream p, x;
    l.print(p);
    l.printXML(x);
    EXPECT_EQ(p.str(), "element3d bidon\n");
    EXPECT_EQ(x.str(), "<element3d  matrice = \"1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1\" > </element3d>\n");
}

TEST_F(SceneTest, ChildrenAreCopies)
{
    SCENE scene(nullptr);
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    EXPECT_FALSE(scene.addelement3d(nullptr));
    EXPECT_TRUE(scene.addelement3d(&obj));
    EXPECT_TRUE(scene.addelement3d(&obj));
    EXPECT_EQ(scene.getNumelement(), 2u);
    ELEMENT3D* child = scene.getElement(1);
    ASSERT_NE(child, nullptr);
    EXPECT_NE(child, &obj);
    EXPECT_NE(child, scene.getElement(2));
    EXPECT_EQ(child->getParent(), &scene);
    obj.getmatrice()->_41 = 50;
    EXPECT_EQ(child->getmatrice()->_41, 0);
    EXPECT_EQ(scene.getElement(0), nullptr);
    EXPECT_EQ(scene.getElement(3), nullptr);
}

TEST_F(SceneTest, HierarchyNumbersAreDecimalPaths)
{
    SCENE root(nullptr);
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    SCENE sub(nullptr);
    root.addelement3d(&obj);
    root.addelement3d(&sub);
    root.addelement3d(&sub);
    EXPECT_EQ(root.getHierarchy(), 1u);
    EXPECT_EQ(static_cast<SCENE*>(root.getElement(2))->getHierarchy(), 12u);
    EXPECT_EQ(static_cast<SCENE*>(root.getElement(3))->getHierarchy(), 13u);

    SCENE* s13 = root.getScene(13);
    ASSERT_EQ(s13, root.getElement(3));
    s13->addelement3d(&sub);
    SCENE* s131 = root.getScene(131);
    ASSERT_NE(s131, nullptr);
    EXPECT_EQ(s131, s13->getElement(1));
    EXPECT_EQ(s131->getParent(), s13);
    EXPECT_EQ(root.getScene(14), nullptr);
    EXPECT_EQ(root.getScene(1), &root);
}

TEST_F(SceneTest, AddSceneWrapsTheElementUnderAnExtraMatrix)
{
    SCENE root(nullptr);
    D3DXMATRIXA16 m;
    D3DXMatrixTranslation(&m, 1, 2, 3);
    EXPECT_TRUE(root.addscene(nullptr, &m));
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    EXPECT_TRUE(root.addscene(&obj, nullptr));
    ASSERT_EQ(root.getNumelement(), 2u);
    SCENE* first = dynamic_cast<SCENE*>(root.getElement(1));
    SCENE* second = dynamic_cast<SCENE*>(root.getElement(2));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->getNumelement(), 0u);
    EXPECT_EQ(*first->getmatrice(), m);
    EXPECT_EQ(first->getHierarchy(), 11u);
    EXPECT_EQ(second->getHierarchy(), 12u);
    EXPECT_EQ(second->getNumelement(), 1u);
    EXPECT_NE(second->getElement(1), &obj);
    EXPECT_EQ(second->getElement(1)->getParent(), second);
}

TEST_F(SceneTest, DrawingComposesMatricesInnermostFirst)
{
    D3DXMATRIXA16 objLocal, inner, outer, parent;
    D3DXMatrixScaling(&objLocal, 2, 2, 2);
    D3DXMatrixRotationZ(&inner, 0.5f);
    D3DXMatrixTranslation(&outer, 10, 0, 0);
    D3DXMatrixTranslation(&parent, 0, 7, 0);
    OBJET3D obj(vb.get(), nullptr, nullptr, &objLocal);
    SCENE root(&outer);
    root.addscene(&obj, &inner);
    dev.clearCalls();
    root.afficher(&parent);
    auto t = dev.named("SetTransform");
    ASSERT_EQ(t.size(), 1u);
    D3DXMATRIX expected = objLocal * inner * outer * parent;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(t[0].matrix.m[r][c], expected.m[r][c], 1e-5) << r << c;
}

TEST_F(SceneTest, HiddenSceneDrawsNoChild)
{
    SCENE root(nullptr);
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    root.addelement3d(&obj);
    root.addelement3d(&obj);
    root.setVisible(false);
    dev.clearCalls();
    root.afficher(nullptr);
    EXPECT_TRUE(dev.calls.empty());

    root.setVisible(true);
    root.setfilvisible(false);
    root.afficher(nullptr);
    EXPECT_TRUE(dev.calls.empty());
    root.getElement(2)->setVisible(true);
    root.afficher(nullptr);
    EXPECT_EQ(dev.count("DrawPrimitive"), 1u);
}

TEST_F(SceneTest, SetFilsMatriceAndSetTextureReachEveryDirectChild)
{
    ASSERT_TRUE(writePng("pixel.png", 1, 1, {0xFFFF0000}));
    std::unique_ptr<TEXTURE> t(TEXTURE::loadtexture("pixel.png"));
    SCENE root(nullptr);
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    SCENE sub(nullptr);
    root.addelement3d(&obj);
    root.addscene(&obj, nullptr);
    D3DXMATRIXA16 m;
    D3DXMatrixTranslation(&m, 4, 0, 0);
    root.setfilsmatrice(&m);
    EXPECT_EQ(*root.getElement(1)->getmatrice(), m);
    EXPECT_EQ(*root.getElement(2)->getmatrice(), m);
    EXPECT_NE(root.getElement(1)->getmatrice(), &m);

    EXPECT_TRUE(root.settexture(t.get(), 0));
    EXPECT_EQ(static_cast<OBJET3D*>(root.getElement(1))->getAspect(0)->getTexture(0), t.get());
    SCENE* s = static_cast<SCENE*>(root.getElement(2));
    EXPECT_EQ(static_cast<OBJET3D*>(s->getElement(1))->getAspect(0)->getTexture(0), t.get());
}

TEST_F(SceneTest, CopyIsADeepTreeNumberedFromOne)
{
    SCENE root(nullptr);
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    root.addelement3d(&obj);
    root.addscene(&obj, nullptr);
    SCENE* sub = static_cast<SCENE*>(root.getElement(2));
    sub->setHierachy(7);

    std::unique_ptr<ELEMENT3D> c(sub->copy());
    SCENE* copy = dynamic_cast<SCENE*>(c.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getHierarchy(), 1u);
    EXPECT_EQ(copy->getParent(), &root);

    std::unique_ptr<ELEMENT3D> whole(root.copy());
    std::set<ELEMENT3D*> source;
    std::function<void(SCENE*, std::set<ELEMENT3D*>&)> collect = [&](SCENE* s, std::set<ELEMENT3D*>& out) {
        out.insert(s);
        for (unsigned i = 1; i <= s->getNumelement(); ++i) {
            out.insert(s->getElement(i));
            if (SCENE* k = dynamic_cast<SCENE*>(s->getElement(i)))
                collect(k, out);
        }
    };
    std::set<ELEMENT3D*> copied;
    collect(&root, source);
    collect(static_cast<SCENE*>(whole.get()), copied);
    EXPECT_EQ(copied.size(), source.size());
    for (ELEMENT3D* e : copied)
        EXPECT_EQ(source.count(e), 0u);
    EXPECT_EQ(static_cast<SCENE*>(whole.get())->getScene(12), static_cast<SCENE*>(whole.get())->getElement(2));
}

TEST_F(SceneTest, PrintIndentsChildren)
{
    SCENE root(nullptr);
    OBJET3D obj(vb.get(), nullptr, nullptr, nullptr);
    root.addelement3d(&obj);
    root.addscene(&obj, nullptr);
    std::ostringstream os;
    os << static_cast<ELEMENT3D*>(&root);
    EXPECT_EQ(os.str(), "SCENE : 1\n   OBJET3D nummat : 1\n   SCENE : 12\n      OBJET3D nummat : 1\n");
}

TEST_F(SceneTest, PrintXmlNestsChildren)
{
    std::unique_ptr<MATERIEL> m(MATERIEL::loadmateriel("1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0"));
    D3DXMATRIXA16 n;
    D3DXMatrixTranslation(&n, 1, 2, 3);
    SCENE root(nullptr);
    OBJET3D obj(vb.get(), m.get(), nullptr, nullptr);
    LUMIERE light(D3DLIGHT_DIRECTIONAL, 1, 1, 1);
    root.addelement3d(&obj);
    root.addscene(nullptr, &n);
    root.addelement3d(&light);
    std::ostringstream os;
    root.printXML(os);
    const std::string id = "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1";
    EXPECT_EQ(os.str(), "<scene    matrice = \"" + id + "\" >\n"
                        "<objet3d conteneur = \"tri\"   matrice = \"" + id + "\" >\n"
                        "<materiel values = \"1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0\"></materiel>\n"
                        "</objet3d>\n"
                        "<scene    matrice = \"1 0 0 0 0 1 0 0 0 0 1 0 1 2 3 1\" >\n"
                        "</scene>\n"
                        "<element3d  matrice = \"" + id + "\" > </element3d>\n"
                        "</scene>\n");
}

TEST_F(SceneTest, PointLightFollowsItsWorldPosition)
{
    LUMIERE l(D3DLIGHT_POINT, 0.5f, 0.25f, 1);
    D3DLIGHT9* p = l.getLumiere();
    EXPECT_EQ(p->Type, D3DLIGHT_POINT);
    EXPECT_FLOAT_EQ(p->Range, 50);
    EXPECT_FLOAT_EQ(p->Attenuation1, 300);
    EXPECT_FLOAT_EQ(p->Attenuation0, 0);
    EXPECT_FLOAT_EQ(p->Specular.r, 1);
    EXPECT_FLOAT_EQ(p->Specular.a, 0);
    EXPECT_FLOAT_EQ(p->Diffuse.g, 0.25f);
    EXPECT_FLOAT_EQ(p->Diffuse.a, 0);
    EXPECT_FLOAT_EQ(p->Position.x, 0);

    D3DXMATRIXA16 local, parent;
    D3DXMatrixTranslation(&local, 1, 1, 1);
    D3DXMatrixTranslation(&parent, 5, 2, 0);
    l.setmatrice(&local);
    dev.clearCalls();
    l.afficher(&parent);
    EXPECT_TRUE(dev.calls.empty());
    EXPECT_FLOAT_EQ(p->Position.x, 6);
    EXPECT_FLOAT_EQ(p->Position.y, 3);
    EXPECT_FLOAT_EQ(p->Position.z, 1);

    l.SetLight(2);
    LUMIERE::LightEnable(2, true);
    auto set = dev.named("SetLight");
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(set[0].args[0], 2);
    EXPECT_FLOAT_EQ(set[0].light.Position.x, 6);
    EXPECT_EQ(dev.named("LightEnable")[0].args, (std::vector<double>{2, 1}));

    LUMIERE d(D3DLIGHT_DIRECTIONAL, 1, 1, 1);
    d.afficher(&parent);
    EXPECT_FLOAT_EQ(d.getLumiere()->Position.x, 0);

    std::unique_ptr<ELEMENT3D> c(l.copy());
    LUMIERE* copy = dynamic_cast<LUMIERE*>(c.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::memcmp(copy->getLumiere(), p, sizeof *p), 0);
    EXPECT_NE(copy->getLumiere(), p);
    D3DXMATRIXA16 identity;
    D3DXMatrixIdentity(&identity);
    EXPECT_EQ(*copy->getmatrice(), identity);
}

} // namespace
