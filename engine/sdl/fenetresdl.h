#pragma once
// The program's one window, opened through SDL 1.2 with an OpenGL context
// that the device draws into.
#include "engine/platform/system.h"

#include <SDL/SDL.h>

class FENETRESDL {
public:
    FENETRESDL(int width, int height, bool fullscreen);
    // A view of width x height shown `scale` times larger in a window, or,
    // with fillDesktop, over the whole desktop at its present resolution (no
    // change of video mode). The device keeps drawing width x height.
    FENETRESDL(int width, int height, int scale, bool fillDesktop);
    ~FENETRESDL();

    // The desktop's resolution, read before any window opens (SDL's video
    // started if need be); false when SDL's video cannot start.
    static bool desktopSize(int* width, int* height);

    void setfps();
    void setrts();
    HWND getHwnd();
    SDL_Surface* getSurface();

    // Between the scaled window and the whole desktop. Only where SDL keeps
    // the GL context, and so the textures, across the change (SDL 1.2's X11
    // driver); false (nothing changed) elsewhere or when the mode cannot be set.
    bool setFillDesktop(bool on);
    bool switchesInPlace() const;
    bool getFillDesktop() const { return fillDesktop_; }
    // The view pixel under a window pixel; the bars beside the picture give
    // the nearest edge of the view.
    void windowToView(int x, int y, int* viewX, int* viewY) const;

private:
    void open(int width, int height, bool fullscreen);
    SDL_Surface* setMode(bool fillDesktop);
    bool canFillDesktop() const;

    SDL_Surface* screen;
    int viewWidth_, viewHeight_, scale_;
    int desktopWidth_ = 0, desktopHeight_ = 0, bpp_ = 0;
    bool fillDesktop_ = false;
};
