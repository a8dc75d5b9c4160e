#include "engine/platform/d3d9.h"
#include "engine/platform/gl_device.h"

namespace {
IDirect3D9* (*g_factory)() = nullptr;
}

IDirect3D9* Direct3DCreate9(UINT sdkVersion)
{
    if (sdkVersion != D3D_SDK_VERSION)
        return nullptr;
    return g_factory ? g_factory() : platform::createGLDirect3D();
}

void platformSetDirect3DFactory(IDirect3D9* (*factory)())
{
    g_factory = factory;
}
