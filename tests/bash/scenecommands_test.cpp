#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "engine/bash/bash.h"
#include "engine/manager/objet3D.h"
#include "engine/scene/scene.h"
#include "engine/tovi3d/tovi3dbashapp.h"
#include "game/bashsetup.h"
#include "tests/bash/scenefixture.h"
#include "tests/bash/shellfixture.h"

namespace {

class SceneCommands : public ShellFixture {
protected:
    SceneResources res;
    SCENE root{nullptr};

    void SetUp() override
    {
        ShellFixture::SetUp();
        loaddefaultbashapp(&bash);
        loadtovi3Ddefaultbashapp(&bash, &res.manager);
        TOVI3DBASHAPP::setRootScene(&root);
    }
    void TearDown() override
    {
        TOVI3DBASHAPP::setRootScene(nullptr);
        ShellFixture::TearDown();
    }
    D3DXMATRIXA16* rootMatrix() { return root.getmatrice(); }
};

TEST_F(SceneCommands, RegistersTwentyOneCommandsInOrder)
{
    EXPECT_EQ(bash.list.tab.size(), 21u);
    std::istringstream listing(run("commandes"));
    std::vector<std::string> names;
    for (std::string l; std::getline(listing, l) && !l.empty();)
        names.push_back(l.substr(0, l.find(" -> ")));
    ASSERT_EQ(names.size(), 21u);
    EXPECT_EQ(names[0], "visible");
    EXPECT_EQ(names[1], "translation");
    EXPECT_EQ(names[18], "calcul");
    EXPECT_EQ(names[19], "addscene");
    EXPECT_EQ(names[20], "addelement");
    EXPECT_NE(out.str().find("settexture -> tovi3d V0.0001\n"), std::string::npos);
    EXPECT_NE(out.str().find("mono -> pas d'aide\n"), std::string::npos);
    EXPECT_NE(out.str().find("scale -> scale x|y|z arg  ou   scale x y z\n"), std::string::npos);

    // Registering again keeps the first apps.
    BASH_APP* echo = bash.list.get("echo");
    loaddefaultbashapp(&bash);
    EXPECT_EQ(bash.list.get("echo"), echo);
    EXPECT_EQ(bash.list.tab.size(), 21u);
}

TEST_F(SceneCommands, Tovi3dWritesItsHelp)
{
    std::string text = run("tovi3d a b");
    EXPECT_EQ(text.rfind("tovi3d V0.0001 \n    'show' : afficher les scenes 3d\n", 0), 0u);
    EXPECT_NE(text.find("    'scale' : scale scene 3d\n\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12);
}

TEST_F(SceneCommands, CommandsWithoutSceneComplainOrStaySilent)
{
    for (const char* line : {"translation x 1", "rotation z 1", "scale x 2", "identity", "translation"})
        EXPECT_EQ(run(line), "choisissez une scene\n\n") << line;
    for (const char* line : {"settexture tex", "visible 0", "savexml out.xml", "element3d copie", "addscene"})
        EXPECT_EQ(run(line), "\n") << line;
    EXPECT_EQ(run("show"), "Selection de toutes les SCENES \n\n");
    EXPECT_EQ(run("show 3"), "\n");
    EXPECT_EQ(run("showxml"), "affichageXML\n\n");
}

TEST_F(SceneCommands, SelectByHierarchyNumber)
{
    root.addscene(nullptr, nullptr);
    EXPECT_EQ(run("select 12"), "  dsfsdf  no scene seletionnee\n\n");
    EXPECT_EQ(TOVI3DBASHAPP::getCurrentScene(), nullptr);
    EXPECT_EQ(run("select 11"), "    scene 11 selectionnee\n\n");
    EXPECT_EQ(TOVI3DBASHAPP::getCurrentScene(), root.getScene(11));
    // A word that is not a number leaves the choice alone.
    EXPECT_EQ(run("select abc"), "  dsfsdf  no scene seletionnee\n\n");
    EXPECT_EQ(TOVI3DBASHAPP::getCurrentScene(), root.getScene(11));
    run("select 1");
    EXPECT_EQ(TOVI3DBASHAPP::getCurrentScene(), &root);
    EXPECT_EQ(run("show"), "SCENE : 1\n   SCENE : 11\n\n");
    EXPECT_EQ(run("select"), "\n");
    EXPECT_EQ(TOVI3DBASHAPP::getCurrentScene(), nullptr);
    EXPECT_EQ(run("show"), "Selection de toutes les SCENES \n\n");
}

TEST_F(SceneCommands, TransformsApplyAfterTheSceneTransform)
{
    run("select 1");
    EXPECT_EQ(run("translation x 2"), "\n");
    EXPECT_FLOAT_EQ(rootMatrix()->_41, 2);
    EXPECT_FLOAT_EQ(rootMatrix()->_42, 0);
    EXPECT_FLOAT_EQ(rootMatrix()->_43, 0);
    run("rotation z 1.5708");
    EXPECT_NEAR(rootMatrix()->_41, 0, 1e-4);
    EXPECT_NEAR(rootMatrix()->_42, 2, 1e-4);
    EXPECT_NEAR(rootMatrix()->_43, 0, 1e-4);
    run("identity");
    run("translation 1 2 3");
    EXPECT_FLOAT_EQ(rootMatrix()->_41, 1);
    EXPECT_FLOAT_EQ(rootMatrix()->_42, 2);
    EXPECT_FLOAT_EQ(rootMatrix()->_43, 3);
    run("scale 2 2 2");
    EXPECT_FLOAT_EQ(rootMatrix()->_43, 6);
    EXPECT_FLOAT_EQ(rootMatrix()->_11, 2);
}

TEST_F(SceneCommands, ScaleOneAxis)
{
    run("select 1");
    run("scale y 3");
    EXPECT_FLOAT_EQ(rootMatrix()->_11, 1);
    EXPECT_FLOAT_EQ(rootMatrix()->_22, 3);
    EXPECT_FLOAT_EQ(rootMatrix()->_33, 1);
}

TEST_F(SceneCommands, InvalidArgumentsChangeNothing)
{
    run("select 1");
    const D3DXMATRIXA16 before = *rootMatrix();
    for (const char* line : {"translation w 1", "rotation q 1", "scale w 2", "translation x abc", "scale 1 b 2"})
        EXPECT_EQ(run(line), "your argument is invalide\n\n") << line;
    for (const char* line : {"translation 1", "rotation x 1 2"})
        EXPECT_EQ(run(line), "\n") << line;
    EXPECT_EQ(memcmp(&before, rootMatrix(), sizeof before), 0);
}

TEST_F(SceneCommands, Visibility)
{
    run("select 1");
    run("visible 0");
    EXPECT_FALSE(root.getVisible());
    run("visible oui");
    EXPECT_FALSE(root.getVisible());
    run("visible 1");
    EXPECT_TRUE(root.getVisible());
}

TEST_F(SceneCommands, TexturesAndElements)
{
    CONTENEUR* two = res.conteneur("two", 2);
    TEXTURE* tex = res.texture("tex");
    OBJET3D objet(two, nullptr, nullptr, nullptr);
    res.manager.loadelement3d(&objet, "obj");

    EXPECT_EQ(run("addelement obj"), "marche pas\n\n");
    run("select 1");
    EXPECT_EQ(run("addelement inconnu"), "marche pas\n\n");
    EXPECT_EQ(run("addelement"), "marche pas\n\n");
    EXPECT_EQ(run("addelement obj"), "je fais cette chose\n\n");
    ASSERT_EQ(root.getNumelement(), 1u);
    auto* added = dynamic_cast<OBJET3D*>(root.getElement(1));
    ASSERT_NE(added, nullptr);
    EXPECT_NE(added, &objet);

    run("settexture tex");
    EXPECT_EQ(added->getAspect(0)->getTexture(0), tex);
    EXPECT_EQ(added->getAspect(1)->getTexture(0), nullptr);
    run("settexture tex 1");
    EXPECT_EQ(added->getAspect(1)->getTexture(0), tex);
    run("settexture tex x");
    run("settexture inconnu");
    EXPECT_EQ(added->getAspect(0)->getTexture(0), nullptr);
    EXPECT_EQ(added->getAspect(1)->getTexture(0), tex);
}

TEST_F(SceneCommands, AddSceneAndSaveToManager)
{
    run("select 1");
    run("addscene");
    run("addscene whatever");
    ASSERT_EQ(root.getNumelement(), 2u);
    EXPECT_NE(root.getScene(12), nullptr);
    run("element3d copie");
    ELEMENT3D* copie = res.manager.getelement3d("copie");
    ASSERT_NE(copie, nullptr);
    EXPECT_NE(copie, &root);
    auto* copieScene = dynamic_cast<SCENE*>(copie);
    ASSERT_NE(copieScene, nullptr);
    EXPECT_EQ(copieScene->getNumelement(), 2u);
    run("element3d copie");
    EXPECT_EQ(res.manager.getelement3d("copie"), copie);
    delete copie;
}

TEST_F(SceneCommands, SaveAndLoadXml)
{
    res.conteneur("quad");
    D3DXMATRIXA16 m;
    D3DXMatrixTranslation(&m, 3, 4, 5);
    root.setmatrice(&m);
    root.addscene(nullptr, nullptr);
    run("select 1");
    EXPECT_EQ(run("savexml cmd.xml"), "\n");
    EXPECT_EQ(readLines("cmd.xml").size(), 4u);

    EXPECT_EQ(run("loadxml cmd.xml"), "\n");
    ASSERT_EQ(root.getNumelement(), 2u);
    SCENE* loaded = TOVI3DBASHAPP::getCurrentScene();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded, root.getElement(2));
    EXPECT_EQ(loaded->getHierarchy(), 12u);
    EXPECT_FLOAT_EQ(loaded->getmatrice()->_42, 4);
    EXPECT_EQ(loaded->getNumelement(), 1u);

    testing::internal::CaptureStderr();
    EXPECT_EQ(run("loadxml missing.xml"), "\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "fail du chargement de ficher de SCENE\n");
    EXPECT_EQ(TOVI3DBASHAPP::getCurrentScene(), nullptr);
    EXPECT_EQ(root.getNumelement(), 2u);
}

TEST_F(SceneCommands, ManagerListing)
{
    res.texture("tex");
    EXPECT_EQ(run("manager x"), "\n");
    std::string text = run("manager");
    EXPECT_EQ(text.rfind("TEXTURES\ntex -> ", 0), 0u);
    auto c = text.find("CONTENEURS\n"), m = text.find("MATERIELS\n"), e = text.find("ELEMENTS3D\n");
    EXPECT_LT(c, m);
    EXPECT_LT(m, e);
    EXPECT_NE(e, std::string::npos);
}

TEST(SceneCommandsRoot, OwnRootWhenNoneIsSet)
{
    TOVI3DBASHAPP::setRootScene(nullptr);
    SCENE* own = TOVI3DBASHAPP::getRootScene();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(TOVI3DBASHAPP::getRootScene(), own);
    SCENE other(nullptr);
    TOVI3DBASHAPP::setRootScene(&other);
    EXPECT_EQ(TOVI3DBASHAPP::getRootScene(), &other);
    TOVI3DBASHAPP::setRootScene(nullptr);
    EXPECT_EQ(TOVI3DBASHAPP::getRootScene(), own);
}

} // namespace
