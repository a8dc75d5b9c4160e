#include "game/entities/Oeuf.h"

#include "game/entities/Poulet.h"
#include "game/game/contacts.h"
#include "game/game/gaya.h"
#include "game/game/zeus.h"
#include "game/utils/son.h"

Oeuf::Oeuf(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape) : Entitee(deus, e, etype, cpshape) {}

void Oeuf::update(int t)
{
    Entitee::update(t);
    if (!aSupprimer)
        eclotPoulets();
}

void Oeuf::eclotPoulets()
{
    float rayon = getTaille();
    for (Poulet* poulet : zeus->pouletsProches_.candidats(position, rayon, PouletsProches::Forme::Cercle)) {
        if (!toucheCercle(position, poulet->position, rayon + poulet->getTaille()))
            continue;
        Poulet* poussin = Gaya::getPoulet();
        poussin->setXY(static_cast<float>(position.x), static_cast<float>(position.y));
        zeus->addEntiteeToWorld(poussin);
        aSupprimer = true;
        zeus->signaler(Evenement::Eclosion);
        SON::jouerPondre();
        return;
    }
}
