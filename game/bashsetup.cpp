#include "game/bashsetup.h"

#include "engine/bash/tovibashapp.h"
#include "engine/tovi3d/tovi3dbashapp.h"

namespace {

// The shell keeps what it accepts; a name already taken leaves the app with us.
void ajouter(BASH* lebash, const char* name, BASH_APP* app)
{
    if (!lebash->add(name, app))
        delete app;
}

} // namespace

void loaddefaultbashapp(BASH* lebash)
{
    ajouter(lebash, "echo", new ECHO);
    ajouter(lebash, "calcul", new CALCUL);
    ajouter(lebash, "mono", new MONO);
    ajouter(lebash, "commandes", new SHOWCOMMANDES);
    ajouter(lebash, "system", new SYSTEM);
}

void loadtovi3Ddefaultbashapp(BASH* lebash, XMANAGER* manager)
{
    TOVI3DBASHAPP init;
    init.initToviBashApp(manager);
    ajouter(lebash, "tovi3d", new TOVI3DBASHAPP);
    ajouter(lebash, "show", new SHOWSCENE);
    ajouter(lebash, "select", new SELECTSCENE);
    ajouter(lebash, "translation", new TRANSLATION);
    ajouter(lebash, "rotation", new ROTATION);
    ajouter(lebash, "visible", new VISIBLEUR);
    ajouter(lebash, "identity", new IDENTITY);
    ajouter(lebash, "manager", new MANAGER_BASHAPP);
    ajouter(lebash, "settexture", new SETTEXTUREBBASHAPP);
    ajouter(lebash, "loadxml", new LOADXMLSCENE);
    ajouter(lebash, "savexml", new SAVEXMLSCENE);
    ajouter(lebash, "element3d", new SAVEELEMENT3D);
    ajouter(lebash, "addscene", new ADDSCENE);
    ajouter(lebash, "showxml", new SHOWXMLSCENE);
    ajouter(lebash, "addelement", new ADDELEMENT3D);
    ajouter(lebash, "scale", new SCALLING);
}
