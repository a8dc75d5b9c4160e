#pragma once
// Runs a resource script whose global functions fill a resource manager.
#include "engine/manager/manager.h"

#include <string>
#include <utility>
#include <vector>

struct lua_State;

// What one run of a resource script asked for, so that a caller can say why
// a resource is missing: the file of each texture, and the script's error.
struct JOURNALLUA {
    std::vector<std::pair<std::string, std::string>> textures; // (name, file), in the order asked
    std::string erreur; // what the script stopped on; empty when it ran to its end
};

class LUALOADER {
public:
    LUALOADER();

    // A missing or faulty script is reported on standard error; what it
    // registered before the error stays in the manager. With a journal, what
    // the script asked for and its error are also written there.
    static void loadfromlua(MANAGER* e, const char* fichier, JOURNALLUA* journal = nullptr);
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
    static JOURNALLUA* journal;
};
