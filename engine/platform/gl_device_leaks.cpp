// Under LeakSanitizer: what X11, the GL driver and fontconfig allocate once
// and keep for the life of the process is not the program's to free.
#include "engine/platform/gl_device_impl.h"

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libX11.so\n"
           "leak:libxcb.so\n"
           "leak:libGLX_mesa.so\n"
           "leak:libGLdispatch.so\n"
           "leak:swrast_dri.so\n"
           "leak:libgallium\n"
           "leak:libLLVM\n"
           "leak:libfontconfig.so\n"
           "leak:libexpat.so\n";
}

namespace platform {
// Referenced by the GL device and the glyph surface so that linking either
// brings the suppressions into the program.
void linkLeakSuppressions() {}
}
