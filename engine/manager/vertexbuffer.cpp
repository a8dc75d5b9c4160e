#include "engine/manager/vertexbuffer.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

IDirect3DDevice9* VERTEXBUFFER::device = nullptr;

VERTEXBUFFER::VERTEXBUFFER(VERTEXLIST list, int primitiveType)
    : ppVertexBuffer(nullptr), nvertex(0), nbaffichageprimitive(0), typeprimitive(primitiveType),
      taille_vertex(0), fvf(list.getFVF())
{
    dwNumMaterials = 1;
    std::list<VERTEX> vertices = list.getlist();
    nvertex = (int)vertices.size();
    // No first vertex to take a stride from: nothing to build or draw.
    if (vertices.empty())
        return;
    nbaffichageprimitive = calculeprimitive(nvertex, primitiveType);
    taille_vertex = vertices.front().taille();

    if (FAILED(device->CreateVertexBuffer((UINT)(nvertex * taille_vertex), D3DUSAGE_WRITEONLY, fvf,
                                          D3DPOOL_MANAGED, &ppVertexBuffer, nullptr))) {
        ppVertexBuffer = nullptr;
        std::cout << "erreur lors de la creation d'un vertex buffer";
        return;
    }
    void* data = nullptr;
    if (FAILED(ppVertexBuffer->Lock(0, 0, &data, 0))) {
        std::cout << "erreur lors du lock d'un vertex buffer";
        ppVertexBuffer->Release();
        ppVertexBuffer = nullptr;
        return;
    }
    int k = 0;
    for (VERTEX& v : vertices) {
        void* block = nullptr;
        v.tada(&block);
        std::memcpy(static_cast<unsigned char*>(data) + taille_vertex * k, block, taille_vertex);
        ++k;
        std::cout << k << " !\n";
        std::free(block);
    }
    ppVertexBuffer->Unlock();
}

VERTEXBUFFER::VERTEXBUFFER(IDirect3DVertexBuffer9* buffer, int primitiveType, int f, int primitiveCount, int stride)
    : ppVertexBuffer(buffer), nvertex(0), nbaffichageprimitive(primitiveCount), typeprimitive(primitiveType),
      taille_vertex(stride), fvf((uint32_t)f)
{
    dwNumMaterials = 1;
}

VERTEXBUFFER::~VERTEXBUFFER()
{
    if (ppVertexBuffer)
        ppVertexBuffer->Release();
}

void VERTEXBUFFER::draw(int)
{
    if (!ppVertexBuffer || nbaffichageprimitive < 1)
        return;
    device->SetFVF(fvf);
    device->SetStreamSource(0, ppVertexBuffer, 0, (UINT)taille_vertex);
    device->DrawPrimitive((D3DPRIMITIVETYPE)typeprimitive, 0, (UINT)nbaffichageprimitive);
}

void VERTEXBUFFER::print(std::ostream& os)
{
    const char* type = getCPrimitiveType();
    os << "adresse vertexbuffer :" << static_cast<void*>(ppVertexBuffer) << std::endl;
    os << "primtivetype = " << (type ? type : "") << std::endl;
    os << "fvf = " << fvf << std::endl;
    os << "nbiteration = " << nbaffichageprimitive << std::endl;
}

void VERTEXBUFFER::setVertexbuffer(IDirect3DVertexBuffer9* buffer) { ppVertexBuffer = buffer; }
IDirect3DVertexBuffer9* VERTEXBUFFER::getVertexbuffer() { return ppVertexBuffer; }
void VERTEXBUFFER::setFVF(unsigned f) { fvf = f; }
unsigned VERTEXBUFFER::getFVF() { return fvf; }
void VERTEXBUFFER::setTaillevertex(int stride) { taille_vertex = stride; }
int VERTEXBUFFER::getTaillevertex() { return taille_vertex; }
void VERTEXBUFFER::setIteration(int primitiveCount) { nbaffichageprimitive = primitiveCount; }
int VERTEXBUFFER::getIteration() { return nbaffichageprimitive; }
void VERTEXBUFFER::setPrimitiveType(int primitiveType) { typeprimitive = primitiveType; }
int VERTEXBUFFER::getIPrimitiveType() { return typeprimitive; }

const char* VERTEXBUFFER::getCPrimitiveType()
{
    switch (typeprimitive) {
    case D3DPT_POINTLIST: return "D3DPT_POINTLIST";
    case D3DPT_LINELIST: return "D3DPT_LINELIST";
    case D3DPT_LINESTRIP: return "D3DPT_LINESTRIP";
    case D3DPT_TRIANGLELIST: return "D3DPT_TRIANGLELIST";
    case D3DPT_TRIANGLESTRIP: return "D3DPT_TRIANGLESTRIP";
    case D3DPT_TRIANGLEFAN: return "D3DPT_TRIANGLEFAN";
    default: return nullptr;
    }
}

int VERTEXBUFFER::calculeprimitive(int n, int primitiveType)
{
    switch (primitiveType) {
    case D3DPT_POINTLIST: return n;
    case D3DPT_LINELIST: return n / 2;
    case D3DPT_LINESTRIP: return n - 1;
    case D3DPT_TRIANGLELIST: return n / 3;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN: return n - 2;
    default: return 0;
    }
}
