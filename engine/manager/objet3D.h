#pragma once
// The drawable leaf: a container drawn subset by subset, each with its aspect.
#include "engine/manager/aspect.h"
#include "engine/manager/conteneur.h"
#include "engine/manager/element3d.h"
#include "engine/manager/materiel.h"
#include "engine/manager/texture.h"

#include <vector>

class OBJET3D : public ELEMENT3D {
public:
    // Material and texture land on subset 0 (texture at stage 0) when there is one.
    OBJET3D(CONTENEUR* conteneur, MATERIEL* materiel, TEXTURE* texture, D3DXMATRIXA16* m);
    // Leaves the container and textures alone; frees only the materials it owns.
    ~OBJET3D() override;

    void print(std::ostream& os) override;
    void printXML(std::ostream& os) override;
    void afficher(D3DXMATRIXA16* parentWorld) override;
    // Shares container and stage-0 textures; owns fresh copies of the materials.
    ELEMENT3D* copy() override;
    // index is the subset: the texture goes to its stage 0.
    bool settexture(TEXTURE* texture, int8_t index) override;
    bool setmateriel(MATERIEL* materiel, int8_t index);
    // The object frees this material when it is destroyed (for materials made only for it).
    void adoptmateriel(MATERIEL* materiel);

    // Fresh, empty aspects, one per subset of the new container.
    void setConteneur(CONTENEUR* conteneur);
    CONTENEUR* getConteneur();
    int getNumelement();
    ASPECT* getAspect(int i);

private:
    CONTENEUR* conteneur;
    std::vector<ASPECT> aspect;
    std::vector<MATERIEL*> possedes;
};
