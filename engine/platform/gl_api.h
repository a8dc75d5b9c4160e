#pragma once
// The OpenGL the device draws with: what OpenGL 2.1 and OpenGL ES 2.0
// (WebGL 1) have in common. Desktop builds use OpenGL 2.1 and GLSL 1.10;
// defining PLUMFALL_GLES (implied by Emscripten) selects OpenGL ES 2.0 and
// GLSL ES 1.00. The few entry points whose names differ go through here.
#if defined(__EMSCRIPTEN__) && !defined(PLUMFALL_GLES)
#define PLUMFALL_GLES 1
#endif

#ifdef PLUMFALL_GLES
#include <GLES2/gl2.h>
#else
#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include <GL/gl.h>
#include <GL/glext.h>
#endif

namespace platform {

inline void glDepthRangeBoth(float nearZ, float farZ)
{
#ifdef PLUMFALL_GLES
    glDepthRangef(nearZ, farZ);
#else
    glDepthRange(nearZ, farZ);
#endif
}

inline void glClearDepthBoth(float z)
{
#ifdef PLUMFALL_GLES
    glClearDepthf(z);
#else
    glClearDepth(z);
#endif
}

// The first line of every shader: the language version, and float precision
// where GLSL ES asks for it (GLSL 1.10 has no precision qualifiers).
inline const char* glslPrelude()
{
#ifdef PLUMFALL_GLES
    return "#version 100\n"
           "#ifdef GL_FRAGMENT_PRECISION_HIGH\nprecision highp float;\n#else\nprecision mediump float;\n#endif\n";
#else
    return "#version 110\n";
#endif
}

// Compiles and links a vertex and a fragment shader (each after the prelude),
// attributes bound to the given locations in order; 0 after a line on
// standard error when the driver refuses them.
GLuint linkShaderProgram(const char* defines, const char* vertex, const char* fragment, const char* const* attributes,
                         int attributeCount);

} // namespace platform
