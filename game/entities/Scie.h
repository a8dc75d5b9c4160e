#pragma once
// A saw on one edge of the belt: it spins, slides across and back, and cuts.
#include "game/entities/Entitee.h"

class Scie : public Entitee {
public:
    enum ETAT { ETAT_RENTREE = 0, ETAT_ETEND = 1, ETAT_ETENDUE = 2, ETAT_RENTRE = 3 };

    Scie(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape, float difficulty);

    // Where the saw stands in its cycle: retracted (waiting), going out, out, coming back.
    struct Cycle {
        ETAT etat;
        float dureeEtat;
        float parcouru;
    };
    // One step of t ms of the cycle of a saw `longueur` long moving at `vitesse`
    // per ms: the cycle after it, and how far along y the saw moved (when it moved).
    struct Pas {
        Cycle cycle;
        bool bouge;
        float dy;
    };
    static Pas avancer(Cycle c, int t, int longueur, float vitesse, int iOrientation);
    Cycle cycle() const { return {etat, dureeEtat, parcouru}; }

    void update(int t) override;
    void afficher() override;
    void trancherPoulets();

    int longueur;
    float vitesse;
    float parcouru;
    ETAT etat;
    float dureeEtat;
    // The direction along y in which the saw goes out into the belt.
    int iOrientation;
    float fRotation;
    ELEMENT3D* rBarre;

private:
    void deplacer(float dy);
};
