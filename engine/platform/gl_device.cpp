#include "engine/platform/gl_device.h"

namespace platform {
// Placeholder until the GL device lands: no Direct3D object.
IDirect3D9* createGLDirect3D()
{
    return nullptr;
}
}
