#pragma once
// Vertices in the engine's own form, each recording which components it carries.
#include <cstdint>
#include <list>

class VERTEX {
public:
    VERTEX();

    void setXYZ(float x, float y, float z);
    // Only set 1 exists; other set numbers are ignored.
    void setTEX(int set, float tu, float tv);
    void setDIFFUSE(int argb);
    unsigned getFVF();
    // Bytes of the device layout: position, colour, texture pair, for the bits present.
    int taille();
    // Allocates taille() bytes with malloc, writes the device layout there; the caller frees it.
    void tada(void** out);

    float x, y, z;
    float tu, tv;
    int32_t color;
    uint32_t fvf;
};

class VERTEXLIST {
public:
    VERTEXLIST();

    // A vertex of format 0x142; the colour is a << 24 | r << 16 | g << 8 | b.
    void add(float x, float y, float z, float tu, float tv, uint8_t r, uint8_t g, uint8_t b, uint8_t a);
    // A vertex of another format than the list's is dropped.
    void add(VERTEX v);
    std::list<VERTEX> getlist();
    void setFVF(unsigned fvf);
    unsigned getFVF();

private:
    std::list<VERTEX> listvertex;
    uint32_t fvf;
};
