#include "tests/support/gl_window.h"

#include "engine/platform/gl_device.h"
#include "engine/platform/recording_device.h"
#include "tests/support/xvfb.h"

#include <SDL/SDL.h>

#include <cstdlib>

namespace testsupport {

namespace {

bool openWindow(std::string* why)
{
    static bool tried = false, opened = false;
    static std::string error;
    if (!tried) {
        tried = true;
        bool video = false;
        if (ensureDisplay(&error)) {
            // A server that was just started may take a moment to take clients.
            for (int attempt = 0; attempt < 20 && !(video = SDL_Init(SDL_INIT_VIDEO) == 0); ++attempt)
                SDL_Delay(100);
            if (!video)
                error = std::string("SDL_Init: ") + SDL_GetError();
        }
        if (video) {
            // No SDL_Quit at exit: the GL driver stays loaded, so that leak
            // reports can name it, and the display goes with the process.
            SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
            SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
            opened = SDL_SetVideoMode(800, 600, 0, SDL_OPENGL | SDL_DOUBLEBUF) != nullptr;
            if (!opened)
                error = std::string("SDL_SetVideoMode: ") + SDL_GetError();
        }
    }
    if (!opened && why)
        *why = error;
    return opened;
}

} // namespace

IDirect3DDevice9* createGLDevice(std::string* why)
{
    if (!openWindow(why))
        return nullptr;
    IDirect3D9* d3d = platform::createGLDirect3D();
    // The same 800 x 600 windowed parameters as the tests' recording devices.
    D3DPRESENT_PARAMETERS params = platform::RecordingDevice::defaultParameters();
    IDirect3DDevice9* device = nullptr;
    HRESULT hr = d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0x42, &params, &device);
    d3d->Release();
    if (FAILED(hr) && why)
        *why = "CreateDevice failed";
    return SUCCEEDED(hr) ? device : nullptr;
}

} // namespace testsupport
