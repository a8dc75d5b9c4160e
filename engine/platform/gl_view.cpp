#include "engine/platform/gl_view.h"

#include <cstdio>

namespace platform {

namespace {

// Nearest pixel: at whole scales each one becomes a sharp square. Where a
// window pixel's centre falls exactly between two picture pixels (every
// fifth column at 1.25 times), a nudge of a fraction of a window pixel
// rightwards takes the right one, as the frame buffer blit did before.
const char* const kVertex = R"(
attribute vec2 a_position;
uniform float u_nudge;
varying vec2 v_uv;
void main()
{
    v_uv = a_position * 0.5 + 0.5 + vec2(u_nudge, 0.0);
    gl_Position = vec4(a_position, 0.0, 1.0);
}
)";

const char* const kFragment = R"(
uniform sampler2D u_picture;
varying vec2 v_uv;
void main()
{
    gl_FragColor = texture2D(u_picture, v_uv);
}
)";

} // namespace

GLView::~GLView()
{
    release();
}

void GLView::release()
{
    if (program_)
        glDeleteProgram(program_);
    if (texture_)
        glDeleteTextures(1, &texture_);
    if (quad_)
        glDeleteBuffers(1, &quad_);
    program_ = texture_ = quad_ = 0;
}

bool GLView::prepare(int width, int height)
{
    if (missing_)
        return false;
    if (!program_) {
        const char* attributes[] = {"a_position"};
        program_ = linkShaderProgram("", kVertex, kFragment, attributes, 1);
        if (!program_) {
            missing_ = true;
            std::fprintf(stderr, "Direct3D: the picture keeps its size in the window's corner\n");
            return false;
        }
        nudge_ = glGetUniformLocation(program_, "u_nudge");
        const float corners[8] = {-1, -1, 1, -1, -1, 1, 1, 1};
        glGenBuffers(1, &quad_);
        glBindBuffer(GL_ARRAY_BUFFER, quad_);
        glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
        glGenTextures(1, &texture_);
    }
    glBindTexture(GL_TEXTURE_2D, texture_);
    if (width != width_ || height != height_) {
        // Any size (no mipmaps, clamped): OpenGL ES takes it too.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        width_ = width;
        height_ = height;
    }
    return true;
}

void GLView::show(int viewWidth, int viewHeight, int windowWidth, int windowHeight)
{
    if (!prepare(viewWidth, viewHeight))
        return;
    // The corner aside first: the stretched picture covers it.
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, windowHeight - viewHeight, viewWidth, viewHeight);

    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    ViewRect r = fitView(viewWidth, viewHeight, windowWidth, windowHeight);
    if (r.width < windowWidth || r.height < windowHeight) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glViewport(r.x, windowHeight - (r.y + r.height), r.width, r.height);
    glUseProgram(program_);
    glUniform1f(nudge_, 0.25f / float(r.width) / float(viewWidth));
    glBindBuffer(GL_ARRAY_BUFFER, quad_);
    for (GLuint a = 1; a < 4; ++a)
        glDisableVertexAttribArray(a); // the device's, pointing into its own buffer
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
}

} // namespace platform
