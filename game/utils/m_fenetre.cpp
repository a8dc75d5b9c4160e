#include "game/utils/m_fenetre.h"

#include "engine/sdl/fenetresdl.h"
#include "engine/tovi3d/tovi3D.h"

M_FENETRE::M_FENETRE(int x, int y, bool fullscreen)
{
    mafenetresdl = new FENETRESDL(x, y, fullscreen);
    HWND handle = mafenetresdl->getHwnd();
    monobj3D = new TOVI3D(handle, x, y);
}

M_FENETRE::M_FENETRE(int x, int y, int scale, bool fillDesktop)
{
    mafenetresdl = new FENETRESDL(x, y, scale, fillDesktop);
    monobj3D = new TOVI3D(mafenetresdl->getHwnd(), x, y);
}

IDirect3DDevice9* M_FENETRE::getDevice()
{
    return monobj3D->pD3dDevice;
}
