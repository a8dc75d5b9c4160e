#pragma once
// A chicken that left the belt: it sinks for twenty seconds, drawn at half size.
#include "game/entities/Entitee.h"

class PouletTombe : public Entitee {
public:
    PouletTombe(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape, bool haut);

    void afficher() override;
    void update(int t) override;

    int tempsAnimation;
    int tempsVie;
    // Left over the positive-y edge: drawn a little further back.
    bool haut;
};
