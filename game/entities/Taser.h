#pragma once
// A line across the belt that charges and fires, stunning the chickens on it.
#include "game/entities/Entitee.h"

class Taser : public Entitee {
public:
    enum TETAT { TETAT_INACTIF = 0, TETAT_PREPARATION = 1, TETAT_ACTIF = 2 };

    // The element is the taser's own copy: it owns it. The float is not used.
    Taser(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape, float difficulty);
    ~Taser() override;

    // Where the taser stands in its cycle: idle, charging, firing.
    struct Cycle {
        TETAT etat;
        int dureeEtat;
    };
    // One step of t ms of the cycle.
    static Cycle avancer(Cycle c, int t);

    void update(int t) override;
    void updateAnimation(int t);
    bool isActif();
    void tase();

    TETAT etat;
    int dureeEtat;
};
