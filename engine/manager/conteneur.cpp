#include "engine/manager/conteneur.h"

CONTENEUR::CONTENEUR() : dwNumMaterials(0) {}

CONTENEUR::~CONTENEUR() = default;

void CONTENEUR::print(std::ostream& os) { os << "un conteneur lambda" << std::endl; }

void CONTENEUR::setName(const char* n) { name = n ? n : ""; }

const char* CONTENEUR::getName() { return name.c_str(); }

std::ostream& operator<<(std::ostream& os, CONTENEUR* conteneur)
{
    if (conteneur)
        conteneur->print(os);
    return os;
}
