#pragma once
// A real GL device for display tests: one SDL OpenGL window per test process
// (on Xvfb when there is no display) and a fresh device on it.
#include "engine/platform/d3d9.h"

#include <string>

namespace testsupport {

// The window is 800 x 600. Null, with the reason in `why`, when no display
// or GL context can be had.
IDirect3DDevice9* createGLDevice(std::string* why);

} // namespace testsupport
