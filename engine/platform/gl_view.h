#pragma once
// A window larger than the device's back buffer: the device draws the back
// buffer into the window's top-left corner, exactly as into a window of its
// size, and Present stretches that corner over the window at the same aspect
// ratio, black bars on the sides left over (a windowed Direct3D device also
// stretches its back buffer over the client area).
#include "engine/platform/gl_api.h"
#include "engine/platform/viewfit.h"

namespace platform {

class GLView {
public:
    GLView() = default;
    GLView(const GLView&) = delete;
    GLView& operator=(const GLView&) = delete;
    ~GLView();

    // Into the window's back buffer, before the swap. Leaves GL's state
    // changed (program, texture, buffer, viewport, switches): the caller sets
    // its own again. Says once on standard error, and leaves the picture in
    // its corner, when the driver refuses the shaders.
    void show(int viewWidth, int viewHeight, int windowWidth, int windowHeight);

private:
    bool prepare(int width, int height);
    void release();

    bool missing_ = false; // no shaders here
    int width_ = 0, height_ = 0;
    GLuint program_ = 0, texture_ = 0, quad_ = 0;
    GLint nudge_ = -1;
};

} // namespace platform
