// Shell lines through BASH::call, one per input line, with every standard
// command registered except "system" (it runs what it is given). The scene
// commands work on a fresh root scene and manager per input; a "/" in a line
// becomes "_", so that every file "loadxml" or "savexml" names stays in the
// scratch directory. An input stops once the process holds too much memory.
#include "engine/bash/bash.h"
#include "engine/tovi3d/tovi3dbashapp.h"
#include "fuzz/support.h"
#include "game/bashsetup.h"

#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    fuzz::debutEntree();
    std::string texte(reinterpret_cast<const char*>(data), size);
    for (char& c : texte)
        if (c == '/')
            c = '_';

    fuzz::ManagerJetable manager;
    SCENE* racine = new SCENE(nullptr);
    std::ostringstream sortie;
    {
        BASH shell;
        shell.setStream(&sortie);
        loaddefaultbashapp(&shell);
        delete shell.list.get("system");
        shell.list.tab.erase("system");
        loadtovi3Ddefaultbashapp(&shell, &manager);
        TOVI3DBASHAPP::setRootScene(racine);

        std::istringstream lignes(texte);
        std::string ligne;
        while (std::getline(lignes, ligne) && !fuzz::tropDeMemoire())
            shell.call(ligne.c_str());
    }
    TOVI3DBASHAPP::setRootScene(nullptr);
    TOVI3DBASHAPP().initToviBashApp(nullptr);
    BASH::oss = &std::cout;
    delete racine;
    return 0;
}
