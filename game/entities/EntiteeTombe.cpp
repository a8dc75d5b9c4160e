#include "game/entities/EntiteeTombe.h"

EntiteeTombe::EntiteeTombe(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape, bool bHaut)
    : Entitee(deus, e, etype, cpshape), tempsAnimation(0), tempsVie(0), haut(bHaut)
{
}

void EntiteeTombe::update(int t)
{
    tempsVie += t;
    setXY(static_cast<float>(position.x), static_cast<float>(position.y) - t * 0.1f);
    if (tempsVie > 19999)
        aSupprimer = true;
}
