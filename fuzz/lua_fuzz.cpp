// Resource scripts through LUALOADER::loadfromlua, with the eleven script
// functions, in the sandbox of lua_sandbox.cpp; whatever a script registered
// is drawn once, then freed with its manager.
#include "engine/lua3d/managerlua.h"
#include "fuzz/support.h"

#include <string>

namespace {

class ManagerLua : public fuzz::ManagerJetable {
public:
    void dessiner()
    {
        D3DXMATRIXA16 monde;
        D3DXMatrixIdentity(&monde);
        for (auto& e : tabelement3d.tab)
            if (e.second)
                e.second->afficher(&monde);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    fuzz::debutEntree();
    // A chunk that starts with ESC is precompiled bytecode, which Lua 5.1
    // trusts as it is: only source scripts are taken here.
    if (size > 0 && data[0] == 0x1B)
        return 0;
    ManagerLua manager;
    std::string nom = fuzz::ecrire("script.lua", data, size);
    LUALOADER::loadfromlua(&manager, nom.c_str());
    manager.dessiner();
    return 0;
}
