#include "game/entities/Sang.h"

Sang::Sang(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape)
    : Entitee(deus, e, etype, cpshape), tempsVie(0)
{
}

void Sang::update(int t)
{
    tempsVie += t;
    if (tempsVie > 19999)
        aSupprimer = true;
}
