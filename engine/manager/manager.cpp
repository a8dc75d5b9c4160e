#include "engine/manager/manager.h"

#include "engine/manager/mesh.h"

static std::string key(const char* name) { return name ? name : ""; }

MANAGER::MANAGER() = default;

bool MANAGER::loadtexture(const char* file, const char* name)
{
    std::cout << (file ? file : "") << "    " << key(name) << std::endl;
    if (tabtexture.get(key(name)))
        return false;
    TEXTURE* texture = TEXTURE::loadtexture(file);
    if (!texture)
        return false;
    tabtexture.set(key(name), texture);
    texture->setName(key(name).c_str());
    return true;
}

bool MANAGER::loadtexture(TEXTURE* texture, const char* name)
{
    if (!texture || !tabtexture.set(key(name), texture))
        return false;
    texture->setName(key(name).c_str());
    return true;
}

bool MANAGER::loadmesh(const char* file, const char* name)
{
    if (tabconteneur.get(key(name)))
        return false;
    MESH* mesh = MESH::loadmesh(file);
    if (!mesh)
        return false;
    mesh->setName(key(name).c_str());
    tabconteneur.set(key(name), mesh);
    return true;
}

bool MANAGER::loadconteneur(CONTENEUR* conteneur, const char* name)
{
    // A null container is refused too: every entry must be printable and drawable.
    if (!conteneur || !tabconteneur.set(key(name), conteneur))
        return false;
    conteneur->setName(key(name).c_str());
    return true;
}

bool MANAGER::loadelement3d(ELEMENT3D* element, const char* name)
{
    if (!element)
        return false;
    return tabelement3d.set(key(name), element);
}

bool MANAGER::loadmateriel(float diffuseR, float diffuseG, float diffuseB, float diffuseA, float ambientR,
                           float ambientG, float ambientB, float ambientA, float emissiveR, float emissiveG,
                           float emissiveB, float emissiveA, float specularR, float specularG, float specularB,
                           float specularA, float power, const char* name)
{
    if (tabmateriel.get(key(name)))
        return false;
    return tabmateriel.set(key(name), MATERIEL::loadmateriel(diffuseR, diffuseG, diffuseB, diffuseA, ambientR,
                                                             ambientG, ambientB, ambientA, emissiveR, emissiveG,
                                                             emissiveB, emissiveA, specularR, specularG,
                                                             specularB, specularA, power));
}

bool MANAGER::loadmateriel(const char* values, const char* name)
{
    if (tabmateriel.get(key(name)))
        return false;
    return tabmateriel.set(key(name), MATERIEL::loadmateriel(values));
}

TEXTURE* MANAGER::gettexture(const char* name) { return tabtexture.get(key(name)); }
CONTENEUR* MANAGER::getconteneur(const char* name) { return tabconteneur.get(key(name)); }
MATERIEL* MANAGER::getmateriel(const char* name) { return tabmateriel.get(key(name)); }
ELEMENT3D* MANAGER::getelement3d(const char* name) { return tabelement3d.get(key(name)); }

void MANAGER::displaytexture(std::ostream* os) { tabtexture.display(os); }
void MANAGER::displayconteneur(std::ostream* os) { tabconteneur.display(os); }
void MANAGER::displaymateriel(std::ostream* os) { tabmateriel.display(os); }
void MANAGER::displayelement3d(std::ostream* os) { tabelement3d.display(os); }
