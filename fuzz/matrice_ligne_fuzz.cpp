// One-line matrix text (sixteen numbers), as XML scene files carry it; an
// entry whose number cannot be read keeps its value.
#include "engine/manager/matrice.h"
#include "fuzz/support.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    std::string texte(reinterpret_cast<const char*>(data), size);
    D3DXMATRIXA16 m;
    D3DXMatrixIdentity(&m);
    D3DXMatrixValues(&m, texte.c_str());
    return 0;
}
