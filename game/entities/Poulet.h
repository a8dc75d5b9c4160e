#pragma once
// A live chicken: runs towards the mouse point, can be stunned, grow, die or fall.
#include "game/entities/Entitee.h"

class Poulet : public Entitee {
public:
    Poulet(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape);

    void afficher() override;
    void update(int t) override;
    void updateAnimation(int t);
    // Leaves blood; the saw plays the sound, not the chicken.
    void mourir();
    // Hides Entitee::tombe: a chicken leaves a falling chicken of its own size.
    void tombe(bool bDevant);

    // -1 while free; while stunned, 1 plus the milliseconds since the last touch.
    int isTase;
    int tempsAnimation;
};
