// The browser build has neither the model importer nor child processes: every
// .x file is refused, with one line saying why, and the caller carries on as
// with any unreadable model.
#include "engine/platform/model_import.h"

#include <cstdio>

namespace platform {

bool importModel(const char* file, ImportedModel&)
{
    static bool told = false;
    if (!told) {
        told = true;
        std::fprintf(stderr, "D3DXLoadMeshFromX: %s: .x models are not available in the browser build\n",
                     file ? file : "(null)");
    }
    return false;
}

bool importModelIsolated(const char* file, ImportedModel& out)
{
    return importModel(file, out);
}

} // namespace platform
