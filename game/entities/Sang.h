#pragma once
// The stain a dead chicken leaves; it dries up after twenty seconds.
#include "game/entities/Entitee.h"

class Sang : public Entitee {
public:
    Sang(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape);

    // Only the belt moves blood: the body is not read back.
    void update(int t) override;

    int tempsVie;
};
