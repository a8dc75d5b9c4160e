// What tests and benchmarks read from the GL device, and the switch for frame
// pacing; apart from the device so that the programs do not carry them.
#include "engine/platform/gl_device.h"
#include "engine/platform/gl_device_impl.h"

#include <SDL/SDL.h>

#include <cstring>

namespace platform {

bool readBackBuffer(int x, int y, int width, int height, std::vector<uint32_t>& argb)
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen || !(screen->flags & SDL_OPENGL) || width <= 0 || height <= 0)
        return false;
    argb.resize(size_t(width) * size_t(height));
    std::vector<uint32_t> rows(argb.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadBuffer(GL_BACK);
    glReadPixels(x, screen->h - (y + height), width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, rows.data());
    for (int r = 0; r < height; ++r)
        std::memcpy(&argb[size_t(r) * width], &rows[size_t(height - 1 - r) * width], size_t(width) * 4);
    return true;
}

size_t glDrawCallCount(IDirect3DDevice9* device)
{
    auto* gl = dynamic_cast<GLDevice*>(device);
    return gl ? gl->drawCalls() : 0;
}

void setFramePacing(bool on)
{
    GLDevice::pacing = on;
}

} // namespace platform
