// Vertex tables through the resource script's "loadvertexbuffer": the input's
// first line gives the format and the primitive type, the rest is the table's
// contents, e.g. "322 4" then "{0,0,0,0,0,255,255,255,255},{1,0,0,1,0,...}".
// The buffer that results is drawn.
#include "engine/lua3d/managerlua.h"
#include "fuzz/support.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    fuzz::debutEntree();
    std::string texte(reinterpret_cast<const char*>(data), size);
    std::string::size_type fin = texte.find('\n');
    std::string tete = texte.substr(0, fin), corps = fin == std::string::npos ? "" : texte.substr(fin + 1);
    // Two numbers or nothing: the script stays one call of the function.
    for (char c : tete)
        if (!(c == ' ' || c == '-' || c == '.' || (c >= '0' && c <= '9')))
            return 0;
    std::string::size_type espace = tete.find(' ');
    std::string fvf = tete.substr(0, espace), type = espace == std::string::npos ? "" : tete.substr(espace + 1);
    if (fvf.empty() || type.empty() || type.find(' ') != std::string::npos)
        return 0;
    std::string script = "loadvertexbuffer({" + corps + "\n}, " + fvf + ", " + type + ", \"vb\")\n";

    fuzz::ManagerJetable manager;
    LUALOADER::loadfromlua(&manager, fuzz::ecrire("vb.lua", reinterpret_cast<const uint8_t*>(script.data()),
                                                  script.size()).c_str());
    if (CONTENEUR* vb = manager.getconteneur("vb"))
        for (int i = 0; i < 2; ++i)
            vb->draw(0);
    return 0;
}
