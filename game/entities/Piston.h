#pragma once
// Waits, comes down, stays down and rises on a fixed cycle; crushes what is under it.
#include "game/entities/Entitee.h"

class Piston : public Entitee {
public:
    enum ETAT { ETAT_HAUT = 0, ETAT_DESCEND = 1, ETAT_BAS = 2, ETAT_MONTE = 3 };

    Piston(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape);

    void update(int t) override;
    void ecraserPoulets();

    ETAT etat;
    float dureeEtat;
};
