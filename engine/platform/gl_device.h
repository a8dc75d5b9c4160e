#pragma once
// The program's device: OpenGL 2.1 (or OpenGL ES 2.0, see gl_api.h) shaders in the SDL window.
#include "engine/platform/d3d9.h"

#include <cstddef>
#include <vector>

namespace platform {

// Needs an SDL video mode opened with SDL_OPENGL; its devices draw into that window.
IDirect3D9* createGLDirect3D();

// Reads a rectangle of the GL back buffer (origin top-left) as ARGB words,
// row by row. For tests and screenshots; false without a GL window.
bool readBackBuffer(int x, int y, int width, int height, std::vector<uint32_t>& argb);

// Measurement seams (benchmarks); the game never calls them.
// Draws that a GL device has handed to OpenGL since it was made; 0 for other devices.
size_t glDrawCallCount(IDirect3DDevice9* device);
// Present paces the frames at 60 per second (FramePacer; on by default); off, it returns
// as soon as the buffers are swapped, so that a benchmark times the drawing.
void setFramePacing(bool on);

} // namespace platform
