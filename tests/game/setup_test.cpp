#include "engine/manager/manager.h"
#include "engine/manager/objet3D.h"
#include "engine/manager/vertexbuffer.h"
#include "engine/platform/recording_device.h"
#include "tests/support/owning_manager.h"
#include "game/setup.h"
#include "game/setup_check.h"
#include "engine/lua3d/managerlua.h"
#include "engine/manager/texture.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {


class SetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        initall(&dev);
        testing::internal::CaptureStdout();
        chargercube(&m, &dev);
        chargerElements3D(&m);
        testing::internal::GetCapturedStdout();
    }
    void TearDown() override { initall(nullptr); }

    platform::RecordingDevice dev;
    OwningManager m;
};

TEST_F(SetupTest, SharedMeshesAreTriangleListsOfTheTables)
{
    auto* quad = dynamic_cast<VERTEXBUFFER*>(m.getconteneur("quad"));
    auto* cube = dynamic_cast<VERTEXBUFFER*>(m.getconteneur("cube"));
    ASSERT_NE(quad, nullptr);
    ASSERT_NE(cube, nullptr);
    EXPECT_EQ(quad->getIteration(), 2);
    EXPECT_EQ(cube->getIteration(), 12);
    EXPECT_EQ(quad->getFVF(), 0x142u);
    EXPECT_EQ(quad->getTaillevertex(), 24);

    auto creates = dev.named("CreateVertexBuffer");
    ASSERT_EQ(creates.size(), 2u);
    EXPECT_EQ(creates[0].args[0], 36 * 24);
    EXPECT_EQ(creates[1].args[0], 6 * 24);
    EXPECT_EQ(creates[1].args[1], double(D3DUSAGE_WRITEONLY));
    EXPECT_EQ(creates[1].args[3], double(D3DPOOL_MANAGED));

    // The quad's first vertex: (-1, -1, 0), white, texture (0, 1).
    void* data = nullptr;
    ASSERT_TRUE(SUCCEEDED(quad->getVertexbuffer()->Lock(0, 0, &data, 0)));
    const float* f = static_cast<const float*>(data);
    EXPECT_EQ(f[0], -1);
    EXPECT_EQ(f[1], -1);
    EXPECT_EQ(f[2], 0);
    EXPECT_EQ(static_cast<const uint32_t*>(data)[3], 0xFFFFFFFFu);
    EXPECT_EQ(f[4], 0);
    EXPECT_EQ(f[5], 1);
    quad->getVertexbuffer()->Unlock();
}

TEST_F(SetupTest, ElementsHaveScalingThenTranslation)
{
    struct Expect {
        const char* name;
        float sx, sy, sz, tx, ty, tz;
    };
    const Expect table[] = {
        {"poulet", 20, 20, 20, 0, 0, 0},          {"grain", 22, 10, 20, 0, 0, 0.2f},
        {"oeuf", 10, 14, 20, 0, 0, 0.2f},         {"tapis_debut", 89, 225, 0, 0, 0, 1},
        {"tapis_troncon", 150, 225, 0, 0, 0, 1.2f}, {"tapis_traits", 439.5f, 200, 0, 0, 0, 1.1f},
        {"scie", 70, 70, 0, 0, 0, -0.8f},         {"taser", 25, 300, 0, 0, 0, -0.8f},
        {"barre", 15, 300, 0, 0, 280, -0.9f},     {"sang", 10, 10, 0, 0, 0, 0.01f},
        {"flammes", 400, 300, 0, 0, 0, 2},        {"fin", 50, 300, 0, -50, 0, -5},
        {"progressbar", 400, 10, 2, 0, 0, -6},    {"progresscursor", 15, 15, 2, 0, 0, -6.2f},
    };
    for (const Expect& e : table) {
        SCOPED_TRACE(e.name);
        ELEMENT3D* el = m.getelement3d(e.name);
        ASSERT_NE(el, nullptr);
        D3DXMATRIX s, t, expected;
        D3DXMatrixScaling(&s, e.sx, e.sy, e.sz);
        D3DXMatrixTranslation(&t, e.tx, e.ty, e.tz);
        D3DXMatrixMultiply(&expected, &s, &t);
        EXPECT_TRUE(D3DXMATRIX(*el->getmatrice()) == expected);
        auto* o = dynamic_cast<OBJET3D*>(el);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->getConteneur(), m.getconteneur("quad"));
        EXPECT_EQ(o->getAspect(0)->getMateriel(), m.getmateriel("defaultmat"));
    }
    EXPECT_NE(m.getelement3d("mur"), nullptr);
    EXPECT_EQ(dynamic_cast<OBJET3D*>(m.getelement3d("mur"))->getConteneur(), m.getconteneur("cube"));
    EXPECT_NE(m.getmateriel("joueurmat"), nullptr);
    EXPECT_EQ(m.getelement3d("piston"), nullptr);
}

TEST_F(SetupTest, RegisteringTwiceKeepsTheFirstElements)
{
    ELEMENT3D* first = m.getelement3d("scie");
    testing::internal::CaptureStdout();
    {
        // The refused elements are reachable from nowhere: the manager's rule.
#if defined(__SANITIZE_ADDRESS__)
        __lsan::ScopedDisabler unreachableByDesign;
#endif
        chargerElements3D(&m);
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(m.getelement3d("scie"), first);
}

TEST_F(SetupTest, GridSegments)
{
    testing::internal::CaptureStdout();
    std::unique_ptr<VERTEXBUFFER> square(CREATEGRID(1, 1, 0, 10));
    std::string trace = testing::internal::GetCapturedStdout();
    EXPECT_EQ(square->getIteration(), 4); // the outline of a 10 by 10 square
    EXPECT_EQ(square->getIPrimitiveType(), int(D3DPT_LINELIST));
    EXPECT_NE(trace.find("8 !"), std::string::npos);
    void* data = nullptr;
    ASSERT_TRUE(SUCCEEDED(square->getVertexbuffer()->Lock(0, 0, &data, 0)));
    EXPECT_EQ(static_cast<const uint32_t*>(data)[3], 0x01010101u);
    square->getVertexbuffer()->Unlock();

    std::unique_ptr<VERTEXBUFFER> empty(CREATEGRID(0, 5, 0, 1.0f));
    EXPECT_EQ(empty->getIteration(), 0);
    EXPECT_EQ(empty->getVertexbuffer(), nullptr);
}

TEST_F(SetupTest, MissingDataNamesWhatTheGameDrawsAndTheFolder)
{
    // No script ran: the elements are all there, none of the nineteen textures.
    std::vector<std::string> missing = donneesManquantes(&m);
    ASSERT_EQ(missing.size(), 19u);
    EXPECT_EQ(missing.front(), "poulet1_1_tex");
    EXPECT_EQ(missing.back(), "taser_eclaire_2_tex");
    EXPECT_EQ(std::count(missing.begin(), missing.end(), "mur_tex"), 0); // "mur" is never drawn
    for (const std::string& name : missing)
        if (name != "scie_tex")
            m.loadtexture(new TEXTURE(nullptr), name.c_str());

    testing::internal::CaptureStderr();
    EXPECT_FALSE(donneesCompletes(&m, "/jeu/donnees"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ERREUR: donnees du jeu incompletes dans /jeu/donnees : il manque scie_tex. Corrigez script.lua ou "
              "les images qu'il charge (ses erreurs sont plus haut).\n");
    m.loadtexture(new TEXTURE(nullptr), "scie_tex");
    EXPECT_TRUE(donneesCompletes(&m, "/jeu/donnees"));
}

TEST_F(SetupTest, MissingDataGivesEachCause)
{
    std::ofstream("faux.png") << "not a picture";
    std::remove("absent.png");
    std::filesystem::create_directories("dossier.png");
    JOURNALLUA journal;
    journal.textures = {{"scie_tex", "absent.png"}, {"fin_tex", "faux.png"}, {"sang_tex", "dossier.png"}};
    std::vector<std::string> manquants = {"scie_tex", "poulet1_1_tex", "fin_tex", "sang_tex", "oeuf_tex"};
    std::string debut = "donnees du jeu incompletes dans /d : il manque scie_tex (absent.png absent), fin_tex "
                        "(faux.png n'est pas une image lisible), sang_tex (dossier.png illisible : Is a directory), "
                        "poulet1_1_tex, oeuf_tex (";
    EXPECT_EQ(messageDonneesManquantes(manquants, "/d", &journal),
              debut + "script.lua ne les charge pas). Corrigez script.lua ou les images qu'il charge.");
    journal.erreur = "script.lua:3: '=' expected near 'x'";
    EXPECT_EQ(messageDonneesManquantes(manquants, "/d", &journal),
              debut + "jamais charges : script.lua s'est arrete sur l'erreur \"script.lua:3: '=' expected near "
                      "'x'\"). Corrigez script.lua ou les images qu'il charge.");
}

} // namespace
