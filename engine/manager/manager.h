#pragma once
// The registry of named materials, textures, containers and scene elements.
// It keeps pointers only and never destroys what it holds.
#include "engine/manager/conteneur.h"
#include "engine/manager/element3d.h"
#include "engine/manager/mapex.h"
#include "engine/manager/materiel.h"
#include "engine/manager/texture.h"

#include <iostream>
#include <string>

class MANAGER {
public:
    MANAGER();

    // Each load returns true when a new entry was made; a taken name reads no file.
    bool loadtexture(const char* file, const char* name);
    bool loadtexture(TEXTURE* texture, const char* name);
    bool loadmesh(const char* file, const char* name);
    bool loadconteneur(CONTENEUR* conteneur, const char* name);
    bool loadelement3d(ELEMENT3D* element, const char* name);
    bool loadmateriel(float diffuseR, float diffuseG, float diffuseB, float diffuseA,
                      float ambientR, float ambientG, float ambientB, float ambientA,
                      float emissiveR, float emissiveG, float emissiveB, float emissiveA,
                      float specularR, float specularG, float specularB, float specularA,
                      float power, const char* name);
    bool loadmateriel(const char* values, const char* name);

    TEXTURE* gettexture(const char* name);
    CONTENEUR* getconteneur(const char* name);
    MATERIEL* getmateriel(const char* name);
    ELEMENT3D* getelement3d(const char* name);

    void displaytexture(std::ostream* os);
    void displayconteneur(std::ostream* os);
    void displaymateriel(std::ostream* os);
    void displayelement3d(std::ostream* os);

protected:
    MAPEX<std::string, MATERIEL*, ltstring> tabmateriel;
    MAPEX<std::string, TEXTURE*, ltstring> tabtexture;
    MAPEX<std::string, CONTENEUR*, ltstring> tabconteneur;
    MAPEX<std::string, ELEMENT3D*, ltstring> tabelement3d;
};
