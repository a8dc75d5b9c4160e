// Under LeakSanitizer (the sanitizer and fuzz builds link this into every test
// and fuzz program): what X11, the GL driver, FreeType and fontconfig allocate
// once and keep for the life of the process is not the program's to free; nor
// is what Assimp's .x parser drops when it gives up on a malformed model.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libX11.so\n"
           "leak:libxcb.so\n"
           "leak:libGLX_mesa.so\n"
           "leak:libGLdispatch.so\n"
           "leak:swrast_dri.so\n"
           "leak:libgallium\n"
           "leak:libLLVM\n"
           "leak:libfontconfig\n"
           "leak:libfreetype\n"
           "leak:libexpat.so\n"
           "leak:libassimp.so\n";
}
