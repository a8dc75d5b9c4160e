#pragma once
// The program's one window, opened through SDL 1.2 with an OpenGL context
// that the device draws into.
#include "engine/platform/system.h"

#include <SDL/SDL.h>

class FENETRESDL {
public:
    FENETRESDL(int width, int height, bool fullscreen);
    ~FENETRESDL();

    void setfps();
    void setrts();
    HWND getHwnd();
    SDL_Surface* getSurface();

private:
    SDL_Surface* screen;
};
