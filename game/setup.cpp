#include "game/setup.h"

#include "engine/manager/aspect.h"
#include "engine/manager/element3d.h"
#include "engine/manager/manager.h"
#include "engine/manager/mesh.h"
#include "engine/manager/objet3D.h"
#include "engine/manager/texture.h"
#include "engine/manager/vertexbuffer.h"
#include "engine/manager/vertexlist.h"
#include "engine/platform/d3dx9.h"
#include "engine/scene/lumiere.h"

#include <cstring>

namespace {

struct tri_vertex {
    float x, y, z;
    D3DCOLOR colour;
    float tu, tv;
};
static_assert(sizeof(tri_vertex) == 24, "the device layout of format 0x142");

constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;
constexpr D3DCOLOR kWhite = 0xFFFFFFFFu;

const tri_vertex kQuad[6] = {
    {-1, -1, 0, kWhite, 0, 1}, {-1, 1, 0, kWhite, 0, 0}, {1, 1, 0, kWhite, 1, 0},
    {1, 1, 0, kWhite, 1, 0},   {1, -1, 0, kWhite, 1, 1}, {-1, -1, 0, kWhite, 0, 1},
};

struct Corner {
    float x, y, z;
};

// Each face is (1, 2, 3) and (3, 4, 1) with the quad's texture coordinates.
const Corner kCubeFaces[6][4] = {
    {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}},
    {{1, -1, 1}, {1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}},
    {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}},
    {{1, -1, -1}, {1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}},
    {{-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}},
    {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}},
};

void buildCube(tri_vertex out[36])
{
    static const int order[6] = {0, 1, 2, 2, 3, 0};
    static const float uv[6][2] = {{0, 1}, {0, 0}, {1, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int f = 0; f < 6; ++f)
        for (int k = 0; k < 6; ++k) {
            const Corner& c = kCubeFaces[f][order[k]];
            out[f * 6 + k] = tri_vertex{c.x, c.y, c.z, kWhite, uv[k][0], uv[k][1]};
        }
}

void makeContainer(MANAGER* m, IDirect3DDevice9* device, const tri_vertex* table, int count, int primitives,
                   const char* name)
{
    IDirect3DVertexBuffer9* buffer = nullptr;
    UINT length = UINT(count) * sizeof(tri_vertex);
    device->CreateVertexBuffer(length, D3DUSAGE_WRITEONLY, kFvf, D3DPOOL_MANAGED, &buffer, nullptr);
    void* data = nullptr;
    if (buffer && SUCCEEDED(buffer->Lock(0, 0, &data, 0))) {
        std::memcpy(data, table, length);
        buffer->Unlock();
    }
    m->loadconteneur(new VERTEXBUFFER(buffer, D3DPT_TRIANGLELIST, kFvf, primitives, sizeof(tri_vertex)), name);
}

struct ElementDef {
    ElementJeu noms;
    float sx, sy, sz;
    float tx, ty, tz;
};

const ElementDef kElements[] = {
    {{"poulet", "poulet1_1_tex"}, 20, 20, 20, 0, 0, 0},
    {{"grain", "grain_tex"}, 22, 10, 20, 0, 0, 0.2f},
    {{"oeuf", "oeuf_tex"}, 10, 14, 20, 0, 0, 0.2f},
    {{"tapis_debut", "tapis_debut_tex"}, 89, 225, 0, 0, 0, 1},
    {{"tapis_troncon", "tapis_troncon_tex"}, 150, 225, 0, 0, 0, 1.2f},
    {{"tapis_traits", "tapis_traits_tex"}, 439.5f, 200, 0, 0, 0, 1.1f},
    {{"scie", "scie_tex"}, 70, 70, 0, 0, 0, -0.8f},
    {{"taser", "taser_inactif_tex"}, 25, 300, 0, 0, 0, -0.8f},
    {{"barre", "barre_tex"}, 15, 300, 0, 0, 280, -0.9f},
    {{"sang", "sang_tex"}, 10, 10, 0, 0, 0, 0.01f},
    {{"flammes", "flammes_tex"}, 400, 300, 0, 0, 0, 2},
    {{"fin", "fin_tex"}, 50, 300, 0, -50, 0, -5},
    {{"progressbar", "progressbar_tex"}, 400, 10, 2, 0, 0, -6},
    {{"progresscursor", "poulet2_2_tex"}, 15, 15, 2, 0, 0, -6.2f},
};

} // namespace

std::vector<ElementJeu> elementsJeu()
{
    std::vector<ElementJeu> noms;
    for (const ElementDef& e : kElements)
        noms.push_back(e.noms);
    return noms;
}

void initall(IDirect3DDevice9* device)
{
    TEXTURE::device = device;
    MESH::device = device;
    ELEMENT3D::device = device;
    ASPECT::device = device;
    VERTEXBUFFER::device = device;
    LUMIERE::device = device;
}

void chargercube(MANAGER* m, IDirect3DDevice9* device)
{
    tri_vertex cube[36];
    buildCube(cube);
    makeContainer(m, device, cube, 36, 12, "cube");
    makeContainer(m, device, kQuad, 6, 2, "quad");
    m->loadmateriel(1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 1, 10, "terrainmat");
    OBJET3D* mur = new OBJET3D(m->getconteneur("cube"), m->getmateriel("terrainmat"), m->gettexture("mur_tex"),
                               nullptr);
    m->loadelement3d(mur, "mur");
}

void chargerElements3D(MANAGER* m)
{
    m->loadmateriel(1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 1, 10, "defaultmat");
    m->loadmateriel(1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0, 1, 10, "joueurmat");
    for (const ElementDef& e : kElements) {
        D3DXMATRIXA16 scaling, translation, local;
        D3DXMatrixScaling(&scaling, e.sx, e.sy, e.sz);
        if (std::strcmp(e.noms.nom, "poulet") == 0) {
            local = scaling;
        } else {
            D3DXMatrixTranslation(&translation, e.tx, e.ty, e.tz);
            D3DXMatrixMultiply(&local, &scaling, &translation);
        }
        OBJET3D* o = new OBJET3D(m->getconteneur("quad"), m->getmateriel("defaultmat"), m->gettexture(e.noms.texture),
                                 &local);
        m->loadelement3d(o, e.noms.nom);
    }
}

// Colour bytes 1, 1, 1, 1 (0x01010101, not white), as the grid was first
// written; nothing in the game draws it.
VERTEXBUFFER* CREATEGRID(int x, int y, int, float pas)
{
    VERTEXLIST list;
    bool both = x != 0 && y != 0;
    for (int i = 0; i <= x; ++i)
        if (both) {
            list.add(i * pas, 0, 0, 0, 0, 1, 1, 1, 1);
            list.add(i * pas, y * pas, 0, 0, 0, 1, 1, 1, 1);
        }
    for (int j = 0; j <= y; ++j)
        if (both) {
            list.add(0, j * pas, 0, 0, 0, 1, 1, 1, 1);
            list.add(x * pas, j * pas, 0, 0, 0, 1, 1, 1, 1);
        }
    return new VERTEXBUFFER(list, D3DPT_LINELIST);
}
