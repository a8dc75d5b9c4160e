// What tests and benchmarks read from the GL device, and the switch for frame
// pacing; apart from the device so that the programs do not carry them.
#include "engine/platform/gl_device.h"
#include "engine/platform/gl_device_impl.h"

#include <SDL/SDL.h>

namespace platform {

bool readBackBuffer(int x, int y, int width, int height, std::vector<uint32_t>& argb)
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen || !(screen->flags & SDL_OPENGL) || width <= 0 || height <= 0)
        return false;
    argb.resize(size_t(width) * size_t(height));
    // RGBA bytes: the one read-back format OpenGL ES promises.
    std::vector<uint8_t> rows(argb.size() * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x, screen->h - (y + height), width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    for (int r = 0; r < height; ++r) {
        const uint8_t* p = &rows[size_t(height - 1 - r) * width * 4];
        uint32_t* out = &argb[size_t(r) * width];
        for (int c = 0; c < width; ++c, p += 4)
            out[c] = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
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
