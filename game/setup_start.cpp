#include "game/setup_start.h"

#include "engine/lua3d/managerlua.h"
#include "engine/manager/xmanager.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/setup.h"

void chargerJeu(XMANAGER* manager, IDirect3DDevice9* device, const char* script, JOURNALLUA* journal)
{
    initall(device);
    if (script)
        LUALOADER::loadfromlua(manager, script, journal);
    chargercube(manager, device);
    chargerElements3D(manager);
}

void preparerVue(TOVI3D* tovi)
{
    tovi->getpMatproj()->setorthonorme(800, 600, 1, 100);
    CAMERA* camera = tovi->getpCamera();
    camera->setEye(0, 0, -30);
    camera->setLookat(0, 0, 0);
    camera->setUp(0, 1, 0);
}
