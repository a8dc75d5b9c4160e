#pragma once
// A window larger than the device's back buffer: the device draws the back
// buffer into the window's top-left corner, exactly as into a window of its
// size, and Present stretches that corner over the window at the same aspect
// ratio, black bars on the sides left over (a windowed Direct3D device also
// stretches its back buffer over the client area).
#include "engine/platform/viewfit.h"

#include <GL/gl.h>

namespace platform {

class GLView {
public:
    ~GLView();

    // Into the window's back buffer, before the swap. Says once on standard
    // error, and leaves the picture in its corner, where OpenGL has no frame
    // buffer objects.
    void show(int viewWidth, int viewHeight, int windowWidth, int windowHeight);

private:
    struct Functions;
    bool load();
    bool allocate(int width, int height);
    void release();

    Functions* gl_ = nullptr; // null until loaded
    bool missing_ = false;    // no frame buffer objects here
    int width_ = 0, height_ = 0;
    GLuint framebuffer_ = 0, color_ = 0;
};

} // namespace platform
