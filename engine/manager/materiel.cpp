#include "engine/manager/materiel.h"

#include <cstring>
#include <sstream>

static void setColour(D3DCOLORVALUE& c, float r, float g, float b, float a)
{
    c.r = r;
    c.g = g;
    c.b = b;
    c.a = a;
}

static D3DMATERIAL9* newZeroBlock()
{
    D3DMATERIAL9* block = new D3DMATERIAL9;
    std::memset(block, 0, sizeof *block);
    return block;
}

MATERIEL* MATERIEL::loadmateriel(float diffuseR, float diffuseG, float diffuseB, float diffuseA, float ambientR,
                                 float ambientG, float ambientB, float ambientA, float emissiveR, float emissiveG,
                                 float emissiveB, float emissiveA, float specularR, float specularG,
                                 float specularB, float specularA, float power)
{
    D3DMATERIAL9* block = newZeroBlock();
    setColour(block->Diffuse, diffuseR, diffuseG, diffuseB, diffuseA);
    setColour(block->Ambient, ambientR, ambientG, ambientB, ambientA);
    setColour(block->Emissive, emissiveR, emissiveG, emissiveB, emissiveA);
    setColour(block->Specular, specularR, specularG, specularB, specularA);
    block->Power = power;
    return new MATERIEL(block);
}

MATERIEL* MATERIEL::loadmateriel(const char* values)
{
    // Numbers after the first unreadable one stay 0 rather than undefined.
    float v[17] = {};
    std::istringstream in(values ? values : "");
    for (float& f : v) {
        if (!(in >> f)) {
            f = 0;
            break;
        }
    }
    return loadmateriel(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                        v[14], v[15], v[16]);
}

MATERIEL::MATERIEL(D3DMATERIAL9* block) : g_pMeshMaterials(block) {}

MATERIEL::MATERIEL(MATERIEL* other) : g_pMeshMaterials(newZeroBlock())
{
    if (other && other->g_pMeshMaterials)
        *g_pMeshMaterials = *other->g_pMeshMaterials;
}

MATERIEL::~MATERIEL() { delete g_pMeshMaterials; }

D3DMATERIAL9* MATERIEL::getmateriel() { return g_pMeshMaterials; }

static void writeColour(std::ostream& os, const D3DCOLORVALUE& c)
{
    os << c.r << ' ' << c.g << ' ' << c.b << ' ' << c.a;
}

std::string MATERIEL::getValues()
{
    std::ostringstream os;
    const D3DMATERIAL9& m = *g_pMeshMaterials;
    writeColour(os, m.Diffuse);
    os << ' ';
    writeColour(os, m.Ambient);
    os << ' ';
    writeColour(os, m.Emissive);
    os << ' ';
    writeColour(os, m.Specular);
    os << ' ' << m.Power;
    return os.str();
}

std::ostream& operator<<(std::ostream& os, MATERIEL* materiel)
{
    D3DMATERIAL9* m = materiel ? materiel->getmateriel() : nullptr;
    os << " adresse materiel : " << static_cast<void*>(m) << std::endl;
    if (!m)
        return os;
    os << "diffuse : ";
    writeColour(os, m->Diffuse);
    os << std::endl << "Ambient : ";
    writeColour(os, m->Ambient);
    os << std::endl << "Emissive : ";
    writeColour(os, m->Emissive);
    os << std::endl << "Specular : ";
    writeColour(os, m->Specular);
    os << std::endl << "power   : " << m->Power << std::endl;
    return os;
}
