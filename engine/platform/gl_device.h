#pragma once
// The program's device: OpenGL (compatibility profile) in the SDL window.
#include "engine/platform/d3d9.h"

namespace platform {
IDirect3D9* createGLDirect3D();
}
