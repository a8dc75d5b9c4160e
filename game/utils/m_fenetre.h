#pragma once
// The game window: the SDL window and the device wrapper drawing into it.
#include "engine/platform/d3d9.h"

class FENETRESDL;
class TOVI3D;

class M_FENETRE {
public:
    M_FENETRE(int x, int y, bool fullscreen);
    // The device draws x by y; the window shows it `scale` times larger, or
    // over the whole desktop (FENETRESDL).
    M_FENETRE(int x, int y, int scale, bool fillDesktop);

    IDirect3DDevice9* getDevice();
    FENETRESDL* getFenetre() { return mafenetresdl; }
    TOVI3D* getTovi3D() { return monobj3D; }

private:
    FENETRESDL* mafenetresdl;
    TOVI3D* monobj3D;
};
