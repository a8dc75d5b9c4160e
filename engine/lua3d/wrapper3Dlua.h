#pragma once
// Keeps a script loaded so that its global functions can be called by name;
// the script can draw registered elements with "afficherobjet".
#include "engine/manager/manager.h"

struct lua_State;

class WRAPPEROBJ {
public:
    // A script that fails to load or run is reported on standard error; the
    // object is usable all the same.
    WRAPPEROBJ(MANAGER* e, const char* fichier);
    ~WRAPPEROBJ();
    WRAPPEROBJ(const WRAPPEROBJ&) = delete;
    WRAPPEROBJ& operator=(const WRAPPEROBJ&) = delete;

    // Calls the global function e with no arguments; anything else is ignored.
    // An error raised by the function is reported on standard error.
    void callfunc(const char* e);
    static MANAGER* getmanager();
    lua_State* getstate();

    // "afficherobjet"(x, y, z, name): draws the named element translated to (x, y, z).
    static int afficherobjet(lua_State* L);

private:
    lua_State* state;
    static MANAGER* manager;
};
