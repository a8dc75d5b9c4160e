#include "engine/platform/window_icon.h"

#include <SDL/SDL.h>

namespace platform {

void setWindowIcon(const char* file)
{
    int w = 0, h = 0;
    unsigned char* rgba = nullptr;
    if (!readRgbaPicture(file, w, h, rgba))
        return;
    const bool little = SDL_BYTEORDER == SDL_LIL_ENDIAN;
    SDL_Surface* icon = SDL_CreateRGBSurfaceFrom(rgba, w, h, 32, w * 4, little ? 0x000000FFu : 0xFF000000u,
                                                 little ? 0x0000FF00u : 0x00FF0000u,
                                                 little ? 0x00FF0000u : 0x0000FF00u,
                                                 little ? 0xFF000000u : 0x000000FFu);
    // SDL copies the pixels into its own icon: both can go at once.
    if (icon) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
    freeRgbaPicture(rgba);
}

} // namespace platform
