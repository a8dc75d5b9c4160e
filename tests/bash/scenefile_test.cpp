#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "engine/manager/matrice.h"
#include "engine/manager/objet3D.h"
#include "engine/scene/scene.h"
#include "engine/scene/scenefile.h"
#include "tests/bash/scenefixture.h"

namespace {

D3DXMATRIXA16 translation(float x, float y, float z)
{
    D3DXMATRIXA16 m;
    D3DXMatrixTranslation(&m, x, y, z);
    return m;
}

// The text keeps six significant digits.
void expectMatrix(D3DXMATRIXA16* actual, const D3DXMATRIXA16& expected)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(actual->m[r][c], expected.m[r][c], 1e-5) << r << "," << c;
}

class SceneFile : public ::testing::Test {
protected:
    SceneResources res;

    std::unique_ptr<SCENE> load(const std::string& path)
    {
        LOAD_FILE loader(&res.manager);
        return std::unique_ptr<SCENE>(loader.chargersceneXML(path.c_str()));
    }
    std::unique_ptr<SCENE> loadText(const std::string& text)
    {
        writeFile("in.xml", text);
        return load("in.xml");
    }
};

TEST_F(SceneFile, EmptySceneIsTwoLinesAndReadsBack)
{
    SCENE scene(nullptr);
    {
        SAVE_FILE file("empty.xml");
        file.sauversceneXML(&scene);
    }
    EXPECT_EQ(readLines("empty.xml"),
              (std::vector<std::string>{"<scene    matrice = \"1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1\" >", "</scene>"}));
    auto back = load("empty.xml");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->getNumelement(), 0u);
    D3DXMATRIXA16 id;
    D3DXMatrixIdentity(&id);
    expectMatrix(back->getmatrice(), id);
}

TEST_F(SceneFile, SceneWithObjectAndChildRoundTrips)
{
    CONTENEUR* quad = res.conteneur("quad");
    TEXTURE* tex = res.texture("tex");
    MATERIEL* mat = res.materiel(0.75f);
    D3DXMATRIXA16 sceneM = translation(1.5f, -2, 3);
    D3DXMATRIXA16 objM;
    D3DXMatrixRotationZ(&objM, 0.5f);
    D3DXMATRIXA16 childM = translation(0, 0, 7.25f);

    SCENE scene(&sceneM);
    OBJET3D objet(quad, mat, tex, &objM);
    scene.addelement3d(&objet);
    scene.addscene(nullptr, &childM);
    {
        SAVE_FILE file("scene.xml");
        file.sauversceneXML(&scene);
    }
    std::string sm = scene.getMatValues();
    std::string om = objet.getMatValues();
    SCENE childForText(&childM);
    std::string cm = childForText.getMatValues();
    EXPECT_EQ(readLines("scene.xml"), (std::vector<std::string>{
                                          "<scene    matrice = \"" + sm + "\" >",
                                          "<objet3d conteneur = \"quad\"   matrice = \"" + om + "\" >",
                                          "<materiel values = \"" + mat->getValues() + "\"></materiel>",
                                          "<texture nom = \"tex\"   stage = \"0\" ></texture>",
                                          "</objet3d>",
                                          "<scene    matrice = \"" + cm + "\" >",
                                          "</scene>",
                                          "</scene>",
                                      }));

    auto back = load("scene.xml");
    ASSERT_TRUE(back);
    expectMatrix(back->getmatrice(), sceneM);
    ASSERT_EQ(back->getNumelement(), 2u);
    auto* o = dynamic_cast<OBJET3D*>(back->getElement(1));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->getParent(), back.get());
    EXPECT_EQ(o->getConteneur(), quad);
    expectMatrix(o->getmatrice(), objM);
    ASSERT_EQ(o->getNumelement(), 1);
    ASSERT_NE(o->getAspect(0)->getMateriel(), nullptr);
    EXPECT_EQ(o->getAspect(0)->getMateriel()->getValues(), mat->getValues());
    EXPECT_EQ(o->getAspect(0)->getTexture(0), tex);
    auto* child = dynamic_cast<SCENE*>(back->getElement(2));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->getNumelement(), 0u);
    expectMatrix(child->getmatrice(), childM);
    EXPECT_EQ(child->getHierarchy(), 12u);
}

TEST_F(SceneFile, SpecialCharactersInNamesRoundTrip)
{
    const char* cname = "a<b>&\"c'd\xc3\xa9";
    const char* tname = "t&x\ny";
    CONTENEUR* c = res.conteneur(cname);
    TEXTURE* t = res.texture(tname);
    SCENE scene(nullptr);
    OBJET3D objet(c, res.materiel(1), t, nullptr);
    scene.addelement3d(&objet);
    {
        SAVE_FILE file("special.xml");
        file.sauversceneXML(&scene);
    }
    auto lines = readLines("special.xml");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1].rfind("<objet3d conteneur = \"a&lt;b&gt;&amp;&quot;c&apos;d\xc3\xa9\"   matrice = \"", 0), 0u);
    EXPECT_EQ(lines[3], "<texture nom = \"t&amp;x&#x0A;y\"   stage = \"0\" ></texture>");
    auto back = load("special.xml");
    ASSERT_TRUE(back);
    auto* o = dynamic_cast<OBJET3D*>(back->getElement(1));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->getConteneur(), c);
    EXPECT_EQ(o->getAspect(0)->getTexture(0), t);
}

TEST_F(SceneFile, ReadingRules)
{
    CONTENEUR* two = res.conteneur("two", 2);
    TEXTURE* tex = res.texture("tex");
    auto scene = loadText("<scene matrice=\"1 0 0 0 0 1 0 0 0 0 1 0 4 5 6 1\" bidon=\"x\">\n"
                          "<!-- a comment -->\n"
                          "<inconnu><scene/></inconnu>\n"
                          "<element3d  matrice = \"1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1\" > </element3d>\n"
                          "<objet3d matrice=\"1 0 0 0 0 1 0 0 0 0 1 0 1 2 3 1\" conteneur=\"two\">\n"
                          "<materiel values=\"0.1 0 0 1 0 0 0 1 0 0 0 1 0 0 0 1 5\"/>\n"
                          "<materiel values=\"0.9 0 0 1 0 0 0 1 0 0 0 1 0 0 0 1 5\"/>\n"
                          "<texture stage=\"1\" nom=\"tex\"/>\n"
                          "<texture stage=\"2\" nom=\"tex\"/>\n"
                          "</objet3d>\n"
                          "text\n"
                          "</scene>\n");
    ASSERT_TRUE(scene);
    EXPECT_FLOAT_EQ(scene->getmatrice()->_41, 4);
    ASSERT_EQ(scene->getNumelement(), 1u);
    auto* o = dynamic_cast<OBJET3D*>(scene->getElement(1));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->getConteneur(), two);
    EXPECT_FLOAT_EQ(o->getmatrice()->_42, 2);
    // Every material lands on subset 0, the last one winning.
    ASSERT_NE(o->getAspect(0)->getMateriel(), nullptr);
    EXPECT_FLOAT_EQ(o->getAspect(0)->getMateriel()->getmateriel()->Diffuse.r, 0.9f);
    // The stage is taken as the subset; beyond the subsets nothing is placed.
    EXPECT_EQ(o->getAspect(0)->getTexture(0), nullptr);
    EXPECT_EQ(o->getAspect(1)->getTexture(0), tex);
}

TEST_F(SceneFile, ObjectRootReadsAsScene)
{
    auto scene = loadText("<objet3d conteneur=\"x\" matrice=\"2 0 0 0 0 2 0 0 0 0 2 0 0 0 0 1\"></objet3d>");
    ASSERT_TRUE(scene);
    EXPECT_EQ(scene->getNumelement(), 0u);
    EXPECT_FLOAT_EQ(scene->getmatrice()->_11, 2);
}

TEST_F(SceneFile, UnknownNamesAndMissingAttributes)
{
    res.conteneur("quad");
    TEXTURE* empty = res.texture("");
    auto scene = loadText("<scene>\n"
                          "<objet3d conteneur=\"nope\"><texture nom=\"tex\" stage=\"0\"/></objet3d>\n"
                          "<objet3d conteneur=\"quad\"><texture nom=\"nope\" stage=\"0\"/></objet3d>\n"
                          "<objet3d conteneur=\"quad\"><texture/></objet3d>\n"
                          "</scene>\n");
    ASSERT_TRUE(scene);
    D3DXMATRIXA16 id;
    D3DXMatrixIdentity(&id);
    expectMatrix(scene->getmatrice(), id);
    ASSERT_EQ(scene->getNumelement(), 3u);
    auto* none = dynamic_cast<OBJET3D*>(scene->getElement(1));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->getConteneur(), nullptr);
    EXPECT_EQ(none->getNumelement(), 0);
    auto* notex = dynamic_cast<OBJET3D*>(scene->getElement(2));
    EXPECT_EQ(notex->getAspect(0)->getTexture(0), nullptr);
    // No "nom": the empty name is looked up; no "stage": subset 0.
    auto* bare = dynamic_cast<OBJET3D*>(scene->getElement(3));
    EXPECT_EQ(bare->getAspect(0)->getTexture(0), empty);
}

TEST_F(SceneFile, FailuresReportOnStandardError)
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(load("does-not-exist.xml"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "fail du chargement de ficher de SCENE\n");

    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadText("<scene matrice=\"1\"><objet3d></scene>"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "fail du chargement de ficher de SCENE\n");

    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadText(""));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "fail du chargement de ficher de SCENE\n");

    SCENE scene(nullptr);
    testing::internal::CaptureStderr();
    {
        SAVE_FILE file("no-such-dir/out.xml");
        file.sauversceneXML(&scene);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "fail du sauvgarde de ficher de SCENE\n");
}

TEST_F(SceneFile, SavingReplacesTheFile)
{
    writeFile("replace.xml", std::string(500, 'x'));
    SCENE scene(nullptr);
    {
        SAVE_FILE file("replace.xml");
        file.sauversceneXML(&scene);
    }
    EXPECT_EQ(readLines("replace.xml").size(), 2u);
}

} // namespace
