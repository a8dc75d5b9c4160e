#include "game/entities/Piston.h"

#include "game/entities/Poulet.h"
#include "game/game/contacts.h"
#include "game/game/zeus.h"

Piston::Piston(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape)
    : Entitee(deus, e, etype, cpshape), etat(ETAT_HAUT), dureeEtat(0)
{
}

void Piston::update(int t)
{
    Entitee::update(t);
    static const float duree[4] = {30000, 10000, 5000, 10000};
    if (t + dureeEtat < duree[etat]) {
        dureeEtat += t;
        return;
    }
    dureeEtat = 0;
    switch (etat) {
    case ETAT_HAUT:
        etat = ETAT_DESCEND;
        break;
    case ETAT_DESCEND:
        etat = ETAT_BAS;
        ecraserPoulets();
        break;
    case ETAT_BAS:
        etat = ETAT_MONTE;
        break;
    case ETAT_MONTE:
        etat = ETAT_HAUT;
        break;
    }
}

void Piston::ecraserPoulets()
{
    for (Poulet* poulet : zeus->pouletsProches_.candidats(position, 0, PouletsProches::Forme::Cercle))
        if (toucheCercle(position, poulet->position, poulet->getTaille()))
            poulet->aSupprimer = true;
}
