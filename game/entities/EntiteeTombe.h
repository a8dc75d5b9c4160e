#pragma once
// The falling copy of a grain, egg or blood: no shape, it sinks and vanishes.
#include "game/entities/Entitee.h"

class EntiteeTombe : public Entitee {
public:
    EntiteeTombe(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape, bool haut);

    void update(int t) override;

    int tempsAnimation;
    int tempsVie;
    bool haut;
};
