#pragma once
// Runs a resource script whose global functions fill a resource manager.
#include "engine/manager/manager.h"

struct lua_State;

class LUALOADER {
public:
    LUALOADER();

    // A missing or faulty script is reported on standard error; what it
    // registered before the error stays in the manager.
    static void loadfromlua(MANAGER* e, const char* fichier);
    // The manager being filled while a script runs; null otherwise.
    static MANAGER* getmanager();

    // The script functions; each checks its arguments and returns nothing to Lua.
    static int lua_loadtexture(lua_State* L);
    static int lua_loadmesh(lua_State* L);
    static int lua_loadmateriel(lua_State* L);
    static int lua_loaddefaultmateriel(lua_State* L);
    static int lua_loadreposition(lua_State* L);
    static int lua_loadobjet3d(lua_State* L);
    static int lua_loadvertexbuffer(lua_State* L);
    static int lua_loadscene(lua_State* L);
    static int lua_addelement(lua_State* L);
    static int lua_addscene(lua_State* L);
    static int lua_setMateriel(lua_State* L);

private:
    static MANAGER* manager;
};
