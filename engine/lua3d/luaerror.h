#pragma once
// The one way the Lua loaders report a failed load or call.
struct lua_State;

// Writes the error on top of L's stack to standard error (after flushing
// standard output, so the two stay in order) and pops it.
void reportLuaError(lua_State* L);
