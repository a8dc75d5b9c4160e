// .x models through MESH::loadmesh: the loader's own check of text files'
// faces, then Assimp in a child process, whose crashes and hangs the loader
// turns into a refusal (the importer itself is not instrumented: the coverage
// is of what the loader does with its answers); a loaded mesh draws every
// subset and describes itself.
#include "engine/manager/mesh.h"
#include "fuzz/support.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    std::string nom = fuzz::ecrire("modele.x", data, size);
    MESH* mesh = MESH::loadmesh(nom.c_str());
    if (!mesh)
        return 0;
    for (int i = 0; i <= mesh->dwNumMaterials; ++i)
        mesh->draw(i);
    std::ostringstream description;
    mesh->print(description);
    delete mesh;
    return 0;
}
