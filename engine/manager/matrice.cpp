#include "engine/manager/matrice.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

D3DXMATRIXA16* D3DXMatrixValues(D3DXMATRIXA16* m, const char* text)
{
    std::istringstream in(text ? text : "");
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            // Extract into a temporary: a failed extraction must not touch the entry.
            float v;
            if (in >> v)
                m->m[r][c] = v;
        }
    return m;
}

bool loadmatrice(D3DXMATRIXA16* m, const char* fileName)
{
    std::cout << "mhouhh  hahahaha  lol";
    std::ifstream file(fileName ? fileName : "");
    if (!file)
        return false;
    std::string line;
    std::getline(file, line);
    for (int r = 0; r < 4; ++r) {
        if (!std::getline(file, line)) {
            std::cout << "matrice incomplete dans " << fileName << std::endl;
            break;
        }
        std::istringstream row(line);
        for (int c = 0; c < 4; ++c) {
            float v;
            if (row >> v)
                m->m[r][c] = v;
        }
    }
    return true;
}

bool sauvegardematrice(D3DXMATRIXA16* m, const char* fileName)
{
    std::cout << "save " << (fileName ? fileName : "") << " \n";
    std::ofstream file(fileName ? fileName : "", std::ios::trunc);
    if (!file)
        return false;
    file << fileName << '\n';
    for (int r = 0; r < 4; ++r)
        file << m->m[r][0] << ' ' << m->m[r][1] << ' ' << m->m[r][2] << ' ' << m->m[r][3] << '\n';
    return (bool)file;
}

D3DXMATRIXA16* convertMatrix(D3DXMATRIXA16* out, const float* in)
{
    for (int r = 0; r < 3; ++r) {
        out->m[r][0] = in[r];
        out->m[r][1] = in[4 + r];
        out->m[r][2] = in[8 + r];
        out->m[r][3] = 0;
    }
    return out;
}

float conversion_polaire(float x, float y)
{
    if (x > 0) {
        double a = std::atan((double)y / (double)x);
        return (float)(y >= 0 ? a : a + 6.283185307179586);
    }
    if (x < 0)
        return (float)(std::atan((double)y / (double)x) + 3.141592653589793);
    if (y > 0)
        return 1.5707964f;
    if (y < 0)
        return 4.712389f;
    uint32_t bits = 0x7FC00000u;
    float nan;
    std::memcpy(&nan, &bits, sizeof nan);
    return nan;
}
