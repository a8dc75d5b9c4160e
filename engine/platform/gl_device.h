#pragma once
// The program's device: OpenGL (compatibility profile) in the SDL window.
#include "engine/platform/d3d9.h"

#include <vector>

namespace platform {

// Needs an SDL video mode opened with SDL_OPENGL; its devices draw into that window.
IDirect3D9* createGLDirect3D();

// Reads a rectangle of the GL back buffer (origin top-left) as ARGB words,
// row by row. For tests and screenshots; false without a GL window.
bool readBackBuffer(int x, int y, int width, int height, std::vector<uint32_t>& argb);

} // namespace platform
