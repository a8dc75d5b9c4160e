#include <gtest/gtest.h>

#include <lua.hpp>

#include <cstring>
#include <fstream>
#include <string>

#include "engine/lua3d/managerlua.h"
#include "engine/lua3d/wrapper3Dlua.h"
#include "engine/manager/aspect.h"
#include "engine/manager/element3d.h"
#include "engine/manager/manager.h"
#include "engine/manager/materiel.h"
#include "engine/manager/mesh.h"
#include "engine/manager/objet3D.h"
#include "engine/manager/texture.h"
#include "engine/manager/vertexbuffer.h"
#include "engine/platform/recording_device.h"
#include "tests/support/owning_manager.h"
#include "engine/scene/scene.h"

namespace {


class CountingConteneur : public CONTENEUR {
public:
    CountingConteneur() { dwNumMaterials = 1; }
    void draw(int) override { ++draws; }
    int draws = 0;
};

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

struct Output {
    std::string out, err;
};

class LuaTest : public ::testing::Test {
protected:
    platform::RecordingDevice device;
    OwningManager manager;

    void SetUp() override
    {
        ELEMENT3D::device = &device;
        ASPECT::device = &device;
        TEXTURE::device = &device;
        MESH::device = &device;
        VERTEXBUFFER::device = &device;
    }
    void TearDown() override
    {
        ELEMENT3D::device = nullptr;
        ASPECT::device = nullptr;
        TEXTURE::device = nullptr;
        MESH::device = nullptr;
        VERTEXBUFFER::device = nullptr;
    }
    Output run(const std::string& script)
    {
        writeFile("script.lua", script);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        LUALOADER::loadfromlua(&manager, "script.lua");
        Output o;
        o.out = testing::internal::GetCapturedStdout();
        o.err = testing::internal::GetCapturedStderr();
        return o;
    }
};

// Checks that the texts appear in this order.
void expectInOrder(const std::string& text, std::initializer_list<std::string> parts)
{
    std::size_t pos = 0;
    for (const auto& p : parts) {
        std::size_t at = text.find(p, pos);
        ASSERT_NE(at, std::string::npos) << "missing: " << p << "\nin:\n" << text;
        pos = at + p.size();
    }
}

TEST_F(LuaTest, ScriptUsingEveryFunction)
{
    // A 2 x 2 binary pixmap.
    writeFile("pix.ppm", std::string("P6\n2 2\n255\n") + std::string(12, '\x7f'));
    writeFile("tri.x", "xof 0303txt 0032\nMesh tri {\n 3;\n 0.0;0.0;0.0;,\n 1.0;0.0;0.0;,\n 0.0;1.0;0.0;;\n"
                       " 1;\n 3;0,1,2;;\n}\n");
    writeFile("obj.mat", "obj.mat\n1 0 0 0\n0 1 0 0\n0 0 1 0\n10 20 30 1\n");
    Output o = run("loadtexture('pix.ppm', 'tex')\n"
                   "loadmesh('tri.x', 'mesh')\n"
                   "loadmesh('missing.x', 'absent')\n"
                   "loadmateriel(1,0,0,1, 0,1,0,1, 0,0,1,1, 0.5,0.5,0.5,1, 8, 'rouge')\n"
                   "loaddefaultmateriel(1, 0.5, 0, 20, 'm')\n"
                   "loadvertexbuffer({{0,0,0,0,0,255,255,255,255}}, 322, 4, 'vb')\n"
                   "loadobjet3d('vb', 'm', 'tex', 'obj')\n"
                   "loadmatrice('obj', 'obj.mat')\n"
                   "loadscene('sc')\n"
                   "addelement('sc', 'obj')\n"
                   "addscene('sc')\n"
                   "setmateriel('rouge', 0, 'obj')\n");
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(LUALOADER::getmanager(), nullptr);
    expectInOrder(o.out, {"chargement de lualoadtexturelua\n", "chargement de lualoadmesh  mesh\n",
                          "chargement de lualoadmesh  absent\n", "chargement du mesh : missing.x a echoue \n", "il y va\n", "chargement vertexbuffer\n",
                          "j est egale a 1\n",
                          "le suis tableau est dans la stack il a 9 valeurs dans le bide\n",
                          "6\n7\n8\n9\n10\n11\n12\n13\n14\n",
                          "mon vertexbuffer 0.000000 0.000000 0.000000 0.000000 0.000000 255 255 255 255 \n4",
                          "  l2 322\n", "meuou   <<<<<<   322\n",
                          "chargement de matrice de repositionnement\n"});

    TEXTURE* tex = manager.gettexture("tex");
    ASSERT_NE(tex, nullptr);
    EXPECT_STREQ(tex->getName(), "tex");
    ASSERT_NE(manager.getconteneur("mesh"), nullptr);
    EXPECT_STREQ(manager.getconteneur("mesh")->getName(), "mesh");
    EXPECT_EQ(manager.getconteneur("absent"), nullptr);

    MATERIEL* rouge = manager.getmateriel("rouge");
    ASSERT_NE(rouge, nullptr);
    EXPECT_EQ(rouge->getValues(), MATERIEL(rouge).getValues());
    EXPECT_FLOAT_EQ(rouge->getmateriel()->Diffuse.r, 1);
    EXPECT_FLOAT_EQ(rouge->getmateriel()->Ambient.g, 1);
    EXPECT_FLOAT_EQ(rouge->getmateriel()->Emissive.b, 1);
    EXPECT_FLOAT_EQ(rouge->getmateriel()->Specular.r, 0.5f);
    EXPECT_FLOAT_EQ(rouge->getmateriel()->Power, 8);

    MATERIEL* m = manager.getmateriel("m");
    ASSERT_NE(m, nullptr);
    const D3DMATERIAL9& d = *m->getmateriel();
    EXPECT_FLOAT_EQ(d.Diffuse.r, 1);
    EXPECT_FLOAT_EQ(d.Diffuse.g, 0.5f);
    EXPECT_FLOAT_EQ(d.Diffuse.b, 0);
    EXPECT_FLOAT_EQ(d.Diffuse.a, 1);
    EXPECT_FLOAT_EQ(d.Ambient.g, 0.5f);
    EXPECT_FLOAT_EQ(d.Ambient.a, 1);
    EXPECT_FLOAT_EQ(d.Emissive.r, 0);
    EXPECT_FLOAT_EQ(d.Emissive.a, 1);
    EXPECT_FLOAT_EQ(d.Specular.r, 1);
    EXPECT_FLOAT_EQ(d.Specular.a, 1);
    EXPECT_FLOAT_EQ(d.Power, 20);

    auto* vb = dynamic_cast<VERTEXBUFFER*>(manager.getconteneur("vb"));
    ASSERT_NE(vb, nullptr);
    EXPECT_EQ(vb->getFVF(), 322u);
    EXPECT_EQ(vb->getIPrimitiveType(), 4);
    ASSERT_NE(vb->getVertexbuffer(), nullptr);
    void* data = nullptr;
    ASSERT_EQ(vb->getVertexbuffer()->Lock(0, 0, &data, 0), D3D_OK);
    uint32_t colour;
    std::memcpy(&colour, static_cast<char*>(data) + 12, 4);
    vb->getVertexbuffer()->Unlock();
    EXPECT_EQ(colour, 0xFFFFFFFFu);

    auto* obj = dynamic_cast<OBJET3D*>(manager.getelement3d("obj"));
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->getConteneur(), vb);
    EXPECT_EQ(obj->getAspect(0)->getTexture(0), tex);
    EXPECT_EQ(obj->getAspect(0)->getMateriel(), rouge);
    EXPECT_FLOAT_EQ(obj->getmatrice()->_41, 10);
    EXPECT_FLOAT_EQ(obj->getmatrice()->_43, 30);

    auto* sc = dynamic_cast<SCENE*>(manager.getelement3d("sc"));
    ASSERT_NE(sc, nullptr);
    ASSERT_EQ(sc->getNumelement(), 2u);
    auto* child = dynamic_cast<OBJET3D*>(sc->getElement(1));
    ASSERT_NE(child, nullptr);
    EXPECT_NE(child, obj);
    EXPECT_FLOAT_EQ(child->getmatrice()->_42, 20);
    EXPECT_EQ(child->getAspect(0)->getMateriel()->getValues(), m->getValues());
    ASSERT_NE(sc->getScene(12), nullptr);
}

TEST_F(LuaTest, WrongArgumentsRegisterNothing)
{
    struct Case {
        const char* script;
        const char* out;
    };
    const Case cases[] = {
        {"loadtexture('pix.ppm')", "chargement de lualoadtexturelua\nmarche pas\n"},
        {"loadtexture('pix.ppm', {})", "chargement de lualoadtexturelua\nmarche pas\n"},
        {"loadmesh('a.x')", "marche pas\n"},
        {"loadmesh('a.x', 'n', 'x')", "marche pas\n"},
        {"loadmatrice('x')", "chargement de matrice de repositionnement\nmarche pas\n"},
        {"loadobjet3d('a', 'b', 'n')", "marche pas\n"},
        {"loadobjet3d('a', 'b', {}, 'n')", "marche pas\n"},
        {"loadvertexbuffer({}, 322, 4)", "chargement vertexbuffer\nca marche pas\n"},
        {"loadvertexbuffer('t', 322, 4, 'n')", "chargement vertexbuffer\nca marche pas\n"},
        {"loadvertexbuffer({}, 'x', 4, 'n')", "chargement vertexbuffer\nca marche pas\n"},
        {"loadmateriel(1,0,0,1, 0,1,0,1, 0,0,1,1, 0.5,0.5,0.5,1, 'n')", ""},
        {"loadmateriel(1,0,0,1, 0,1,0,1, 0,0,1,1, 0.5,0.5,0.5,1, 8, {})", ""},
        {"loaddefaultmateriel(1, 'x', 0, 20, 'n')", ""},
        {"loaddefaultmateriel(1, 0, 0, 'n')", ""},
        {"loadscene()", ""},
        {"loadscene({})", ""},
    };
    for (const auto& c : cases) {
        Output o = run(c.script);
        EXPECT_EQ(o.out, c.out) << c.script;
        EXPECT_EQ(o.err, "") << c.script;
        EXPECT_EQ(manager.gettexture("n"), nullptr) << c.script;
        EXPECT_EQ(manager.getconteneur("n"), nullptr) << c.script;
        EXPECT_EQ(manager.getmateriel("n"), nullptr) << c.script;
        EXPECT_EQ(manager.getelement3d("n"), nullptr) << c.script;
    }
}

TEST_F(LuaTest, WrongArgumentsChangeNothing)
{
    run("loadscene('sc') loadscene('autre') loadmateriel(1,0,0,1, 0,1,0,1, 0,0,1,1, 0.5,0.5,0.5,1, 8, 'rouge')");
    auto* c = new CountingConteneur;
    manager.loadconteneur(c, "c");
    OBJET3D* obj = new OBJET3D(c, nullptr, nullptr, nullptr);
    manager.loadelement3d(obj, "obj");
    auto* sc = dynamic_cast<SCENE*>(manager.getelement3d("sc"));
    ASSERT_NE(sc, nullptr);
    for (const char* script : {"addelement('sc')", "addelement('sc', 'obj', 'x')", "addelement('sc', {})",
                               "addelement('inconnu', 'obj')", "addelement('sc', 'inconnu')",
                               "addelement('obj', 'sc')", "addscene()", "addscene('sc', 'autre')",
                               "addscene('inconnu')", "addscene('obj')"}) {
        Output o = run(script);
        EXPECT_EQ(o.out, "") << script;
        EXPECT_EQ(sc->getNumelement(), 0u) << script;
    }
    for (const char* script : {"setmateriel('rouge', 'a', 'obj')", "setmateriel('rouge', 0)",
                               "setmateriel('rouge', 0, 'obj', 1)", "setmateriel('rouge', 0, 'sc')",
                               "setmateriel('rouge', 0, 'inconnu')", "loadmatrice('inconnu', 'obj.mat')"}) {
        Output o = run(script);
        EXPECT_EQ(o.err, "") << script;
        EXPECT_EQ(obj->getAspect(0)->getMateriel(), nullptr) << script;
    }
    run("setmateriel('rouge', '0', 'obj')");
    EXPECT_EQ(obj->getAspect(0)->getMateriel(), manager.getmateriel("rouge"));
}

TEST_F(LuaTest, LuaConversionsApply)
{
    run("loaddefaultmateriel('1', '0.5', 0, 20, 'm') loadscene(42)");
    EXPECT_NE(manager.getmateriel("m"), nullptr);
    EXPECT_NE(manager.getelement3d("42"), nullptr);
}

TEST_F(LuaTest, ErrorInTheMiddleKeepsEarlierRegistrations)
{
    Output o = run("loadscene('avant')\nnosuchfunction()\nloadscene('apres')\n");
    EXPECT_NE(manager.getelement3d("avant"), nullptr);
    EXPECT_EQ(manager.getelement3d("apres"), nullptr);
    EXPECT_NE(o.err.find("nosuchfunction"), std::string::npos) << o.err;
    EXPECT_EQ(o.err.back(), '\n');
    EXPECT_EQ(LUALOADER::getmanager(), nullptr);

    // A second script adds to the same manager; first registrations stay.
    ELEMENT3D* avant = manager.getelement3d("avant");
    run("loadscene('avant') loadscene('apres')");
    EXPECT_EQ(manager.getelement3d("avant"), avant);
    EXPECT_NE(manager.getelement3d("apres"), nullptr);
}

TEST_F(LuaTest, MissingAndMalformedScripts)
{
    testing::internal::CaptureStderr();
    LUALOADER::loadfromlua(&manager, "no-such-script.lua");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("no-such-script.lua"), std::string::npos) << err;

    Output o = run("loadscene('a'\n");
    EXPECT_NE(o.err.find("script.lua"), std::string::npos) << o.err;
    EXPECT_EQ(manager.getelement3d("a"), nullptr);
}

TEST_F(LuaTest, VertexTableEntriesThatAreNotTablesAreSkipped)
{
    Output o = run("loadvertexbuffer({7, {1,2,3,0.5,0.25,255,0,0,128}}, 322, 4, 'vb')");
    expectInOrder(o.out, {"j est egale a 1\n", "j est egale a 2\n",
                          "mon vertexbuffer 1.000000 2.000000 3.000000 0.500000 0.250000 255 0 0 128 \n"});
    auto* vb = dynamic_cast<VERTEXBUFFER*>(manager.getconteneur("vb"));
    ASSERT_NE(vb, nullptr);
    void* data = nullptr;
    ASSERT_EQ(vb->getVertexbuffer()->Lock(0, 0, &data, 0), D3D_OK);
    uint32_t colour;
    std::memcpy(&colour, static_cast<char*>(data) + 12, 4);
    vb->getVertexbuffer()->Unlock();
    EXPECT_EQ(colour, 0x80FF0000u);
}

class WrapperTest : public LuaTest {
protected:
    CountingConteneur* conteneur = nullptr;
    void SetUp() override
    {
        LuaTest::SetUp();
        conteneur = new CountingConteneur;
        manager.loadconteneur(conteneur, "c");
        D3DXMATRIXA16 local;
        D3DXMatrixScaling(&local, 2, 2, 2);
        manager.loadelement3d(new OBJET3D(conteneur, nullptr, nullptr, &local), "obj");
        writeFile("wrapper.lua", "compteur = 0\n"
                                 "valeur = 5\n"
                                 "function tick() compteur = compteur + 1 afficherobjet(1, 2, 3, 'obj') end\n"
                                 "function absent() afficherobjet(0, 0, 0, 'inconnu') end\n"
                                 "function mauvais() afficherobjet(0, 0, 'obj') afficherobjet(0, 'x', 0, 'obj') end\n"
                                 "function boom() error('boum') end\n");
    }
};

TEST_F(WrapperTest, CallsScriptFunctionsByName)
{
    WRAPPEROBJ wrapper(&manager, "wrapper.lua");
    EXPECT_EQ(WRAPPEROBJ::getmanager(), &manager);
    lua_State* L = wrapper.getstate();
    int top = lua_gettop(L);

    device.clearCalls();
    wrapper.callfunc("tick");
    EXPECT_EQ(conteneur->draws, 1);
    auto transforms = device.named("SetTransform");
    ASSERT_EQ(transforms.size(), 1u);
    EXPECT_FLOAT_EQ(transforms[0].matrix._11, 2);
    EXPECT_FLOAT_EQ(transforms[0].matrix._41, 1);
    EXPECT_FLOAT_EQ(transforms[0].matrix._42, 2);
    EXPECT_FLOAT_EQ(transforms[0].matrix._43, 3);
    lua_getglobal(L, "compteur");
    EXPECT_EQ(lua_tointeger(L, -1), 1);
    lua_pop(L, 1);
    EXPECT_EQ(lua_gettop(L), top);

    for (const char* name : {"nope", "valeur", "compteur", "absent", "mauvais", ""}) {
        wrapper.callfunc(name);
        EXPECT_EQ(lua_gettop(L), top) << name;
    }
    EXPECT_EQ(conteneur->draws, 1);
    EXPECT_EQ(device.count("SetTransform"), 1u);
}

TEST_F(WrapperTest, ErrorsAreReported)
{
    WRAPPEROBJ wrapper(&manager, "wrapper.lua");
    int top = lua_gettop(wrapper.getstate());
    testing::internal::CaptureStderr();
    wrapper.callfunc("boom");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("boum"), std::string::npos) << err;
    EXPECT_EQ(lua_gettop(wrapper.getstate()), top);
    wrapper.callfunc("tick");
    EXPECT_EQ(conteneur->draws, 1);
}

TEST_F(WrapperTest, BrokenScriptLeavesAUsableObject)
{
    writeFile("broken.lua", "function tick( afficherobjet(1, 2, 3, 'obj') end\n");
    testing::internal::CaptureStderr();
    WRAPPEROBJ wrapper(&manager, "broken.lua");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("broken.lua"), std::string::npos) << err;
    int top = lua_gettop(wrapper.getstate());
    wrapper.callfunc("tick");
    EXPECT_EQ(lua_gettop(wrapper.getstate()), top);
    EXPECT_EQ(conteneur->draws, 0);
}

} // namespace
