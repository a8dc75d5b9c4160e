// The fuzz targets' own luaL_newstate and luaL_openlibs: defined here, they
// take the place of the library's for LUALOADER::loadfromlua in these
// programs only. A script gets the base, string, table and math libraries,
// without the functions that reach files, the process or bytecode; its own
// memory is capped; and a count hook ends it with an error past a fixed
// number of instructions or once the process holds too much memory, so that
// every input finishes.
#include "fuzz/support.h"

#include <lua.hpp>

#include <cstdlib>
#include <initializer_list>

namespace {

const size_t kMemoire = 64u << 20;
const long kInstructions = 2000000; // per script

size_t utilise = 0;
long compte = 0;

void* allouer(void*, void* ancien, size_t avant, size_t apres)
{
    if (apres == 0) {
        utilise -= ancien ? avant : 0;
        std::free(ancien);
        return nullptr;
    }
    size_t deja = ancien ? avant : 0;
    if (apres > deja && utilise + (apres - deja) > kMemoire)
        return nullptr;
    void* nouveau = std::realloc(ancien, apres);
    if (nouveau)
        utilise = utilise - deja + apres;
    return nouveau;
}

int panique(lua_State* L)
{
    (void)L;
    std::abort();
}

// Every instruction: a script function can double a scene in one call, so
// the memory is looked at as often as the count.
void crochet(lua_State* L, lua_Debug*)
{
    // Past either limit every instruction fails, also in a caller of pcall.
    if (++compte > kInstructions)
        luaL_error(L, "time-out");
    if (fuzz::tropDeMemoire())
        luaL_error(L, "memory budget");
}

void ouvrir(lua_State* L, lua_CFunction f, const char* nom)
{
    lua_pushcfunction(L, f);
    lua_pushstring(L, nom);
    lua_call(L, 1, 0);
}

void retirer(lua_State* L, const char* table, const char* nom)
{
    if (table) {
        lua_getglobal(L, table);
        if (lua_istable(L, -1)) {
            lua_pushnil(L);
            lua_setfield(L, -2, nom);
        }
        lua_pop(L, 1);
    } else {
        lua_pushnil(L);
        lua_setglobal(L, nom);
    }
}

} // namespace

extern "C" lua_State* luaL_newstate()
{
    lua_State* L = lua_newstate(allouer, nullptr);
    if (L)
        lua_atpanic(L, panique);
    return L;
}

extern "C" void luaL_openlibs(lua_State* L)
{
    ouvrir(L, luaopen_base, "");
    ouvrir(L, luaopen_table, LUA_TABLIBNAME);
    ouvrir(L, luaopen_string, LUA_STRLIBNAME);
    ouvrir(L, luaopen_math, LUA_MATHLIBNAME);
    for (const char* nom : {"dofile", "loadfile", "load", "loadstring", "require", "module"})
        retirer(L, nullptr, nom);
    retirer(L, LUA_STRLIBNAME, "dump");
    // A coroutine runs on its own thread; the hook of a thread made later is
    // the one of its maker, so the count reaches it too.
    compte = 0;
    lua_sethook(L, crochet, LUA_MASKCOUNT, 1);
}
