// Five-line matrix files (a name line, then four rows), as the resource
// script's "loadmatrice" reads them; written back and read again, the same.
#include "engine/manager/matrice.h"
#include "fuzz/support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    std::string nom = fuzz::ecrire("matrice.txt", data, size);
    D3DXMATRIXA16 m, relue;
    D3DXMatrixIdentity(&m);
    if (!loadmatrice(&m, nom.c_str()))
        return 0;
    if (!sauvegardematrice(&m, "ecrite.txt"))
        return 0;
    D3DXMatrixIdentity(&relue);
    loadmatrice(&relue, "ecrite.txt");
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            float a = m.m[r][c], b = relue.m[r][c];
            // Six significant digits are written: a value reads back within that.
            if (std::isfinite(a) && std::fabs(a - b) > 1e-5f * std::fmax(1.0f, std::fabs(a))) {
                std::fprintf(stderr, "entry %d,%d: %g written, %g read back\n", r, c, a, b);
                std::abort();
            }
        }
    return 0;
}
