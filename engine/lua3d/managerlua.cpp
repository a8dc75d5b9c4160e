#include "engine/lua3d/managerlua.h"

#include <lua.hpp>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <iostream>

#include "engine/lua3d/luaerror.h"
#include "engine/manager/matrice.h"
#include "engine/manager/objet3D.h"
#include "engine/manager/vertexbuffer.h"
#include "engine/manager/vertexlist.h"
#include "engine/scene/scene.h"

MANAGER* LUALOADER::manager = nullptr;
JOURNALLUA* LUALOADER::journal = nullptr;

namespace {

bool strings(lua_State* L, int count)
{
    if (lua_gettop(L) != count)
        return false;
    for (int i = 1; i <= count; ++i)
        if (!lua_isstring(L, i))
            return false;
    return true;
}

// Truncated towards zero; 0 for values no int can hold.
int entier(lua_State* L, int index)
{
    double d = lua_tonumber(L, index);
    return (d > INT_MIN && d < INT_MAX) ? static_cast<int>(d) : 0;
}

// Wraps each script function so that it does nothing without a manager.
template <int (*F)(lua_State*)>
int withManager(lua_State* L)
{
    return LUALOADER::getmanager() ? F(L) : 0;
}

} // namespace

LUALOADER::LUALOADER() {}

MANAGER* LUALOADER::getmanager() { return manager; }

void LUALOADER::loadfromlua(MANAGER* e, const char* fichier, JOURNALLUA* j)
{
    manager = e;
    journal = j;
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    lua_register(L, "loadtexture", withManager<lua_loadtexture>);
    lua_register(L, "loadmesh", withManager<lua_loadmesh>);
    lua_register(L, "loadmateriel", withManager<lua_loadmateriel>);
    lua_register(L, "loaddefaultmateriel", withManager<lua_loaddefaultmateriel>);
    lua_register(L, "loadmatrice", withManager<lua_loadreposition>);
    lua_register(L, "loadobjet3d", withManager<lua_loadobjet3d>);
    lua_register(L, "loadvertexbuffer", withManager<lua_loadvertexbuffer>);
    lua_register(L, "loadscene", withManager<lua_loadscene>);
    lua_register(L, "addelement", withManager<lua_addelement>);
    lua_register(L, "addscene", withManager<lua_addscene>);
    lua_register(L, "setmateriel", withManager<lua_setMateriel>);
    if (luaL_loadfile(L, fichier ? fichier : "") != 0 || lua_pcall(L, 0, LUA_MULTRET, 0) != 0) {
        if (journal && lua_isstring(L, -1))
            journal->erreur = lua_tostring(L, -1);
        reportLuaError(L);
    }
    lua_close(L);
    manager = nullptr;
    journal = nullptr;
}

int LUALOADER::lua_loadtexture(lua_State* L)
{
    std::cout << "chargement de lualoadtexturelua" << std::endl;
    if (!strings(L, 2)) {
        std::cout << "marche pas" << std::endl;
        return 0;
    }
    manager->loadtexture(lua_tostring(L, 1), lua_tostring(L, 2));
    if (journal)
        journal->textures.emplace_back(lua_tostring(L, 2), lua_tostring(L, 1));
    return 0;
}

int LUALOADER::lua_loadmesh(lua_State* L)
{
    if (!strings(L, 2)) {
        std::cout << "marche pas" << std::endl;
        return 0;
    }
    std::cout << "chargement de lualoadmesh  " << lua_tostring(L, 2) << std::endl;
    manager->loadmesh(lua_tostring(L, 1), lua_tostring(L, 2));
    return 0;
}

int LUALOADER::lua_loadmateriel(lua_State* L)
{
    if (lua_gettop(L) != 18 || !lua_isstring(L, 18))
        return 0;
    float v[17];
    for (int i = 0; i < 17; ++i)
        v[i] = static_cast<float>(lua_tonumber(L, i + 1));
    manager->loadmateriel(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                          v[14], v[15], v[16], lua_tostring(L, 18));
    return 0;
}

int LUALOADER::lua_loaddefaultmateriel(lua_State* L)
{
    if (lua_gettop(L) != 5 || !lua_isnumber(L, 1) || !lua_isnumber(L, 2) || !lua_isnumber(L, 3) ||
        !lua_isnumber(L, 4) || !lua_isstring(L, 5))
        return 0;
    std::cout << "il y va" << std::endl;
    float r = static_cast<float>(lua_tonumber(L, 1));
    float g = static_cast<float>(lua_tonumber(L, 2));
    float b = static_cast<float>(lua_tonumber(L, 3));
    float power = static_cast<float>(lua_tonumber(L, 4));
    manager->loadmateriel(r, g, b, 1, r, g, b, 1, 0, 0, 0, 1, 1, 1, 1, 1, power, lua_tostring(L, 5));
    return 0;
}

int LUALOADER::lua_loadreposition(lua_State* L)
{
    std::cout << "chargement de matrice de repositionnement" << std::endl;
    if (!strings(L, 2)) {
        std::cout << "marche pas" << std::endl;
        return 0;
    }
    if (ELEMENT3D* element = manager->getelement3d(lua_tostring(L, 1)))
        loadmatrice(element->getmatrice(), lua_tostring(L, 2));
    return 0;
}

int LUALOADER::lua_loadobjet3d(lua_State* L)
{
    if (!strings(L, 4)) {
        std::cout << "marche pas" << std::endl;
        return 0;
    }
    OBJET3D* objet = new OBJET3D(manager->getconteneur(lua_tostring(L, 1)), manager->getmateriel(lua_tostring(L, 2)),
                                 manager->gettexture(lua_tostring(L, 3)), nullptr);
    if (!manager->loadelement3d(objet, lua_tostring(L, 4)))
        delete objet;
    return 0;
}

int LUALOADER::lua_loadvertexbuffer(lua_State* L)
{
    std::cout << "chargement vertexbuffer" << std::endl;
    if (lua_gettop(L) != 4 || !lua_istable(L, 1) || !lua_isnumber(L, 2) || !lua_isnumber(L, 3) ||
        !lua_isstring(L, 4)) {
        std::cout << "ca marche pas" << std::endl;
        return 0;
    }
    VERTEXLIST list;
    int count = static_cast<int>(lua_objlen(L, 1));
    for (int j = 1; j <= count; ++j) {
        std::cout << "j est egale a " << j << "\n";
        lua_rawgeti(L, 1, j);
        // An entry that is not a vertex table is skipped.
        if (!lua_istable(L, -1)) {
            lua_pop(L, 1);
            continue;
        }
        std::cout << "le suis tableau est dans la stack il a " << lua_objlen(L, -1) << " valeurs dans le bide\n";
        int entry = lua_gettop(L);
        for (int k = 1; k <= 9; ++k) {
            lua_rawgeti(L, entry, k);
            std::cout << lua_gettop(L) << "\n";
        }
        float x = static_cast<float>(lua_tonumber(L, -9));
        float y = static_cast<float>(lua_tonumber(L, -8));
        float z = static_cast<float>(lua_tonumber(L, -7));
        float tu = static_cast<float>(lua_tonumber(L, -6));
        float tv = static_cast<float>(lua_tonumber(L, -5));
        int r = entier(L, -4);
        int g = entier(L, -3);
        int b = entier(L, -2);
        int a = entier(L, -1);
        char ligne[256]; // %f as the trace has always shown the coordinates
        std::snprintf(ligne, sizeof ligne, "mon vertexbuffer %f %f %f %f %f %d %d %d %d \n", x, y, z, tu, tv, r, g, b, a);
        std::cout << ligne;
        list.add(x, y, z, tu, tv, static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b),
                 static_cast<uint8_t>(a));
        lua_pop(L, 10);
        std::cout << lua_gettop(L);
    }
    std::cout << "  l2 " << lua_tonumber(L, 2) << std::endl;
    VERTEXBUFFER* buffer = new VERTEXBUFFER(list, entier(L, 3));
    buffer->setFVF(static_cast<unsigned>(entier(L, 2)));
    std::cout << "meuou   <<<<<<   " << 322 << std::endl;
    if (!manager->loadconteneur(buffer, lua_tostring(L, 4)))
        delete buffer;
    return 0;
}

int LUALOADER::lua_loadscene(lua_State* L)
{
    if (!strings(L, 1))
        return 0;
    SCENE* scene = new SCENE(nullptr);
    if (!manager->loadelement3d(scene, lua_tostring(L, 1)))
        delete scene;
    return 0;
}

int LUALOADER::lua_addelement(lua_State* L)
{
    if (!strings(L, 2))
        return 0;
    auto* scene = dynamic_cast<SCENE*>(manager->getelement3d(lua_tostring(L, 1)));
    ELEMENT3D* element = manager->getelement3d(lua_tostring(L, 2));
    if (scene && element)
        scene->addelement3d(element);
    return 0;
}

int LUALOADER::lua_addscene(lua_State* L)
{
    if (!strings(L, 1))
        return 0;
    if (auto* scene = dynamic_cast<SCENE*>(manager->getelement3d(lua_tostring(L, 1))))
        scene->addscene(nullptr, nullptr);
    return 0;
}

int LUALOADER::lua_setMateriel(lua_State* L)
{
    if (lua_gettop(L) != 3 || !lua_isstring(L, 1) || !lua_isnumber(L, 2) || !lua_isstring(L, 3))
        return 0;
    auto* objet = dynamic_cast<OBJET3D*>(manager->getelement3d(lua_tostring(L, 3)));
    if (objet)
        objet->setmateriel(manager->getmateriel(lua_tostring(L, 1)),
                           static_cast<int8_t>(entier(L, 2)));
    return 0;
}
