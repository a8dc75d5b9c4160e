#include "engine/platform/gl_view.h"

#include <GL/glext.h>
#include <SDL/SDL.h>

#include <cstdio>

namespace platform {

struct GLView::Functions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer;
};

namespace {

template <typename F>
bool find(F& f, const char* name)
{
    f = reinterpret_cast<F>(SDL_GL_GetProcAddress(name));
    return f != nullptr;
}

} // namespace

GLView::~GLView()
{
    release();
    delete gl_;
}

bool GLView::load()
{
    if (gl_)
        return true;
    if (missing_)
        return false;
    Functions f{};
    bool ok = find(f.genFramebuffers, "glGenFramebuffers") && find(f.deleteFramebuffers, "glDeleteFramebuffers") &&
              find(f.bindFramebuffer, "glBindFramebuffer") &&
              find(f.checkFramebufferStatus, "glCheckFramebufferStatus") &&
              find(f.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
              find(f.genRenderbuffers, "glGenRenderbuffers") && find(f.deleteRenderbuffers, "glDeleteRenderbuffers") &&
              find(f.bindRenderbuffer, "glBindRenderbuffer") && find(f.renderbufferStorage, "glRenderbufferStorage") &&
              find(f.blitFramebuffer, "glBlitFramebuffer");
    if (!ok) {
        missing_ = true;
        std::fprintf(stderr, "Direct3D: this OpenGL has no frame buffer objects: the picture keeps its size in the "
                             "window's corner\n");
        return false;
    }
    gl_ = new Functions(f);
    return true;
}

void GLView::release()
{
    if (!gl_ || !framebuffer_)
        return;
    gl_->deleteFramebuffers(1, &framebuffer_);
    gl_->deleteRenderbuffers(1, &color_);
    framebuffer_ = color_ = 0;
}

bool GLView::allocate(int width, int height)
{
    release();
    gl_->genFramebuffers(1, &framebuffer_);
    gl_->genRenderbuffers(1, &color_);
    gl_->bindRenderbuffer(GL_RENDERBUFFER, color_);
    gl_->renderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
    gl_->bindRenderbuffer(GL_RENDERBUFFER, 0);
    gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, color_);
    bool complete = gl_->checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    gl_->bindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        std::fprintf(stderr, "Direct3D: no %d x %d frame buffer: the picture keeps its size in the window's corner\n",
                     width, height);
        release();
        missing_ = true;
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void GLView::show(int viewWidth, int viewHeight, int windowWidth, int windowHeight)
{
    if (!load())
        return;
    if ((!framebuffer_ || viewWidth != width_ || viewHeight != height_) && !allocate(viewWidth, viewHeight))
        return;
    // The corner aside first: the stretched picture covers it.
    int top = windowHeight - viewHeight;
    gl_->bindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
    glReadBuffer(GL_BACK);
    glDisable(GL_SCISSOR_TEST);
    gl_->blitFramebuffer(0, top, viewWidth, windowHeight, 0, 0, viewWidth, viewHeight, GL_COLOR_BUFFER_BIT, GL_NEAREST);

    gl_->bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    gl_->bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    // Nearest pixel: at whole scales each one becomes a sharp square.
    ViewRect r = fitView(viewWidth, viewHeight, windowWidth, windowHeight);
    if (r.width < windowWidth || r.height < windowHeight) {
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    int bottom = windowHeight - (r.y + r.height);
    gl_->blitFramebuffer(0, 0, viewWidth, viewHeight, r.x, bottom, r.x + r.width, bottom + r.height,
                         GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl_->bindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace platform
