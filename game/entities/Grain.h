#pragma once
// Fattens the first chicken that touches it.
#include "game/entities/Entitee.h"

class Grain : public Entitee {
public:
    Grain(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape);

    void update(int t) override;
    void nourritPoulets();
};
