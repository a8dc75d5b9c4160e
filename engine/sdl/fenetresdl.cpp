#include "engine/sdl/fenetresdl.h"

#include "engine/platform/viewfit.h"
#include "engine/platform/window_icon.h"
#include "engine/sdl/videodriver.h"

#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(int code)
{
    MessageBoxA(nullptr, SDL_GetError(), "Error", MB_ICONERROR);
    std::exit(code);
}

SDL_Surface* openMode(int width, int height, int bpp, Uint32 flags, int depthBits)
{
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
#ifndef __EMSCRIPTEN__ // a browser shows frames at its own retrace
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1); // wait for the vertical retrace
#endif
    return SDL_SetVideoMode(width, height, bpp, flags);
}

SDL_Surface* openWindow(int width, int height, int bpp, bool fullscreen)
{
    // SDL_OPENGL brings the GL context the device renders with.
    Uint32 flags = SDL_DOUBLEBUF | SDL_OPENGL | (fullscreen ? SDL_FULLSCREEN : 0);
    SDL_Surface* screen = openMode(width, height, bpp, flags, 24);
    return screen ? screen : openMode(width, height, bpp, flags, 16);
}

// SDL 1.2's X11 driver changes the size and the full screen state of an
// OpenGL window in place; its other drivers make a new window and a new
// context. sdl12-compat (1.2.50 and later) keeps the context but shows the
// picture out of place after the change.
bool keepsContextOnModeChange()
{
    char name[32] = "";
    const SDL_version* linked = SDL_Linked_Version();
    return SDL_VideoDriverName(name, sizeof name) && std::strcmp(name, "x11") == 0 && linked &&
           linked->major == 1 && linked->minor == 2 && linked->patch < 50;
}

} // namespace

FENETRESDL::FENETRESDL(int width, int height, bool fullscreen)
    : screen(nullptr), viewWidth_(width), viewHeight_(height), scale_(1)
{
    open(width, height, fullscreen);
}

FENETRESDL::FENETRESDL(int width, int height, int scale, bool fillDesktop)
    : screen(nullptr), viewWidth_(width), viewHeight_(height), scale_(scale < 1 ? 1 : scale)
{
    fillDesktop_ = fillDesktop;
    open(width * scale_, height * scale_, false);
}

void FENETRESDL::open(int width, int height, bool fullscreen)
{
    chooseVideoDriver();
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        fail(1);
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (!info)
        fail(1);
    std::atexit(SDL_Quit);
    platform::setWindowIcon("plumfall.png");

    bpp_ = info->vfmt ? info->vfmt->BitsPerPixel : 0;
    // Before the first mode is set, SDL gives the desktop's own resolution.
    desktopWidth_ = info->current_w;
    desktopHeight_ = info->current_h;
    if (fillDesktop_ && canFillDesktop())
        screen = setMode(true);
    if (!screen) {
        fillDesktop_ = false;
        screen = openWindow(width, height, bpp_, fullscreen);
    }
    if (!screen)
        fail(2);
    SDL_WM_SetCaption("Plumfall !!!", nullptr);
}

FENETRESDL::~FENETRESDL() {}

bool FENETRESDL::desktopSize(int* width, int* height)
{
    chooseVideoDriver();
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return false;
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (!info || info->current_w <= 0 || info->current_h <= 0)
        return false;
    *width = info->current_w;
    *height = info->current_h;
    return true;
}

// The device draws into the window's corner: the desktop must hold the view.
bool FENETRESDL::canFillDesktop() const
{
    return desktopWidth_ >= viewWidth_ && desktopHeight_ >= viewHeight_ && viewWidth_ > 0 && viewHeight_ > 0;
}

SDL_Surface* FENETRESDL::setMode(bool fillDesktop)
{
    if (fillDesktop)
        return openWindow(desktopWidth_, desktopHeight_, bpp_, true);
    return openWindow(viewWidth_ * scale_, viewHeight_ * scale_, bpp_, false);
}

bool FENETRESDL::setFillDesktop(bool on)
{
    if (on == fillDesktop_)
        return true;
    if (!switchesInPlace() || (on && !canFillDesktop()))
        return false;
    SDL_Surface* s = setMode(on);
    if (!s) {
        screen = setMode(fillDesktop_);
        return false;
    }
    screen = s;
    fillDesktop_ = on;
    return true;
}

bool FENETRESDL::switchesInPlace() const
{
    return keepsContextOnModeChange();
}

void FENETRESDL::windowToView(int x, int y, int* viewX, int* viewY) const
{
    int w = screen ? screen->w : viewWidth_, h = screen ? screen->h : viewHeight_;
    platform::windowToView(platform::fitView(viewWidth_, viewHeight_, w, h), viewWidth_, viewHeight_, x, y, viewX,
                           viewY);
}

void FENETRESDL::setfps()
{
    SDL_WM_GrabInput(SDL_GRAB_ON);
    SDL_ShowCursor(SDL_DISABLE);
}

void FENETRESDL::setrts()
{
    SDL_WM_GrabInput(SDL_GRAB_OFF);
    SDL_ShowCursor(SDL_ENABLE);
}

HWND FENETRESDL::getHwnd()
{
    return GetActiveWindow();
}

SDL_Surface* FENETRESDL::getSurface()
{
    return screen;
}
