#pragma once
// Hatches a new chicken when a chicken touches it.
#include "game/entities/Entitee.h"

class Oeuf : public Entitee {
public:
    Oeuf(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape);

    void update(int t) override;
    void eclotPoulets();
};
