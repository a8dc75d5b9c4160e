#include "engine/lua3d/wrapper3Dlua.h"

#include <lua.hpp>

#include "engine/lua3d/luaerror.h"
#include "engine/manager/element3d.h"

MANAGER* WRAPPEROBJ::manager = nullptr;

WRAPPEROBJ::WRAPPEROBJ(MANAGER* e, const char* fichier)
{
    manager = e;
    state = luaL_newstate();
    luaL_openlibs(state);
    lua_register(state, "afficherobjet", afficherobjet);
    if (luaL_loadfile(state, fichier ? fichier : "") != 0 || lua_pcall(state, 0, LUA_MULTRET, 0) != 0)
        reportLuaError(state);
    // The chunk's own results are of no use to later calls.
    lua_settop(state, 0);
}

WRAPPEROBJ::~WRAPPEROBJ() { lua_close(state); }

MANAGER* WRAPPEROBJ::getmanager() { return manager; }

lua_State* WRAPPEROBJ::getstate() { return state; }

void WRAPPEROBJ::callfunc(const char* e)
{
    lua_getglobal(state, e ? e : "");
    if (!lua_isfunction(state, -1)) {
        lua_pop(state, 1);
        return;
    }
    // Protected: an unprotected error would end the whole program.
    if (lua_pcall(state, 0, 0, 0) != 0)
        reportLuaError(state);
}

int WRAPPEROBJ::afficherobjet(lua_State* L)
{
    if (lua_gettop(L) != 4 || !lua_isnumber(L, 1) || !lua_isnumber(L, 2) || !lua_isnumber(L, 3) ||
        !lua_isstring(L, 4) || !manager)
        return 0;
    ELEMENT3D* element = manager->getelement3d(lua_tostring(L, 4));
    if (!element)
        return 0;
    D3DXMATRIXA16 m;
    D3DXMatrixTranslation(&m, static_cast<float>(lua_tonumber(L, 1)), static_cast<float>(lua_tonumber(L, 2)),
                          static_cast<float>(lua_tonumber(L, 3)));
    element->afficher(&m);
    return 0;
}
