#pragma once
// A single-subset container drawing a device vertex buffer.
#include "engine/manager/conteneur.h"
#include "engine/manager/vertexlist.h"
#include "engine/platform/d3d9.h"

class VERTEXBUFFER : public CONTENEUR {
public:
    // Builds and fills a managed device buffer; writes "<n> !" per vertex copied.
    VERTEXBUFFER(VERTEXLIST list, int primitiveType);
    // Wraps a buffer the caller filled.
    VERTEXBUFFER(IDirect3DVertexBuffer9* buffer, int primitiveType, int fvf, int primitiveCount, int stride);
    ~VERTEXBUFFER() override;

    // Draws every primitive whatever the subset.
    void draw(int subset) override;
    void print(std::ostream& os) override;

    void setVertexbuffer(IDirect3DVertexBuffer9* buffer);
    IDirect3DVertexBuffer9* getVertexbuffer();
    void setFVF(unsigned fvf);
    unsigned getFVF();
    void setTaillevertex(int stride);
    int getTaillevertex();
    void setIteration(int primitiveCount);
    int getIteration();
    void setPrimitiveType(int primitiveType);
    int getIPrimitiveType();
    // Null outside 1 to 6.
    const char* getCPrimitiveType();

    static int calculeprimitive(int vertexCount, int primitiveType);

    static IDirect3DDevice9* device;

private:
    IDirect3DVertexBuffer9* ppVertexBuffer;
    int nvertex;
    int nbaffichageprimitive;
    int typeprimitive;
    int taille_vertex;
    uint32_t fvf;
};
