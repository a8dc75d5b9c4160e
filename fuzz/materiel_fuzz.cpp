// Material text: seventeen numbers in any white space, as XML scene files and
// the shell carry them. What was read must write back as text that reads
// again to the same material.
#include "engine/manager/materiel.h"
#include "fuzz/support.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string aller(const std::string& texte)
{
    MATERIEL* m = MATERIEL::loadmateriel(texte.c_str());
    std::string ecrit = m->getValues();
    delete m;
    return ecrit;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    std::string une = aller(std::string(reinterpret_cast<const char*>(data), size));
    std::string deux = aller(une);
    if (une != deux) {
        std::fprintf(stderr, "material text does not read back: \"%s\" then \"%s\"\n", une.c_str(), deux.c_str());
        std::abort();
    }
    return 0;
}
