#include "engine/manager/vertexlist.h"

#include "engine/platform/d3d9.h"

#include <cstdlib>
#include <cstring>

VERTEX::VERTEX() : x(0), y(0), z(0), tu(0), tv(0), color(0), fvf(0) {}

void VERTEX::setXYZ(float px, float py, float pz)
{
    x = px;
    y = py;
    z = pz;
    fvf |= D3DFVF_XYZ;
}

void VERTEX::setTEX(int set, float u, float v)
{
    if (set != 1)
        return;
    tu = u;
    tv = v;
    fvf |= D3DFVF_TEX1;
}

void VERTEX::setDIFFUSE(int argb)
{
    color = argb;
    fvf |= D3DFVF_DIFFUSE;
}

unsigned VERTEX::getFVF() { return fvf; }

int VERTEX::taille()
{
    return static_cast<int>(platformFvfStride(fvf));
}

void VERTEX::tada(void** out)
{
    unsigned char* block = static_cast<unsigned char*>(std::malloc(taille() > 0 ? taille() : 1));
    unsigned char* p = block;
    auto put = [&p](const void* v) {
        std::memcpy(p, v, 4);
        p += 4;
    };
    if (fvf & D3DFVF_XYZ) {
        put(&x);
        put(&y);
        put(&z);
    }
    if (fvf & D3DFVF_DIFFUSE)
        put(&color);
    if (fvf & D3DFVF_TEX1) {
        put(&tu);
        put(&tv);
    }
    *out = block;
}

VERTEXLIST::VERTEXLIST() : fvf(0) {}

void VERTEXLIST::add(float x, float y, float z, float tu, float tv, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    VERTEX v;
    v.setXYZ(x, y, z);
    v.setTEX(1, tu, tv);
    uint32_t argb = (uint32_t)a << 24 | (uint32_t)r << 16 | (uint32_t)g << 8 | (uint32_t)b;
    v.setDIFFUSE((int)argb);
    add(v);
}

void VERTEXLIST::add(VERTEX v)
{
    if (fvf == 0)
        fvf = v.getFVF();
    else if (v.getFVF() != fvf)
        return;
    listvertex.push_back(v);
}

std::list<VERTEX> VERTEXLIST::getlist() { return listvertex; }

void VERTEXLIST::setFVF(unsigned f) { fvf = f; }

unsigned VERTEXLIST::getFVF() { return fvf; }
