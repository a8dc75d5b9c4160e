#include "engine/lua3d/luaerror.h"

#include <lua.hpp>

#include <cstdio>

void reportLuaError(lua_State* L)
{
    const char* message = lua_tostring(L, -1);
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", message ? message : "(error object is not a string)");
    lua_pop(L, 1);
}
