#include "engine/sdl/videodriver.h"

#include "engine/platform/system.h"

#include <cstdlib>
#include <cstring>

void chooseVideoDriver()
{
#ifdef __EMSCRIPTEN__
    return; // the page's canvas is the only display
#endif
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (!driver || !*driver)
        setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_VIDEO_X11_WMCLASS", "plumfall", 0);
    const char* display = std::getenv("DISPLAY");
    if (std::strcmp(std::getenv("SDL_VIDEODRIVER"), "x11") == 0 && (!display || !*display)) {
        MessageBoxA(nullptr, "no X display: DISPLAY is not set (start Plumfall from a desktop session)", "Error",
                    MB_ICONERROR);
        std::exit(1);
    }
}
