#pragma once
// The bar kind; the game places none (the saw draws its own arm).
#include "game/entities/Entitee.h"

class Barre : public Entitee {
public:
    Barre(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape);

    void update(int t) override;
};
