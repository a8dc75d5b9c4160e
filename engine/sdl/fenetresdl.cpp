#include "engine/sdl/fenetresdl.h"

#include "engine/platform/window_icon.h"
#include "engine/sdl/videodriver.h"

#include <cstdlib>

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
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1); // wait for the vertical retrace
    return SDL_SetVideoMode(width, height, bpp, flags);
}

} // namespace

FENETRESDL::FENETRESDL(int width, int height, bool fullscreen) : screen(nullptr)
{
    chooseVideoDriver();
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        fail(1);
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (!info)
        fail(1);
    std::atexit(SDL_Quit);
    platform::setWindowIcon("plumfall.png");

    int bpp = info->vfmt ? info->vfmt->BitsPerPixel : 0;
    // SDL_OPENGL brings the GL context the device renders with.
    Uint32 flags = SDL_DOUBLEBUF | SDL_OPENGL | (fullscreen ? SDL_FULLSCREEN : 0);
    screen = openMode(width, height, bpp, flags, 24);
    if (!screen)
        screen = openMode(width, height, bpp, flags, 16);
    if (!screen)
        fail(2);
    SDL_WM_SetCaption("Plumfall !!!", nullptr);
}

FENETRESDL::~FENETRESDL() {}

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
