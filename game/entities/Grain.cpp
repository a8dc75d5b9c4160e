#include "game/entities/Grain.h"

#include "game/entities/Poulet.h"
#include "game/game/contacts.h"
#include "game/game/zeus.h"

Grain::Grain(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape) : Entitee(deus, e, etype, cpshape) {}

void Grain::update(int t)
{
    Entitee::update(t);
    nourritPoulets();
}

void Grain::nourritPoulets()
{
    float rayon = getTaille();
    for (auto& entree : zeus->rEntiteMap_) {
        if (aSupprimer)
            return;
        Entitee* e = entree.second;
        if (e->type != ETYPE_POULET)
            continue;
        Poulet* poulet = static_cast<Poulet*>(e);
        if (!toucheCercle(position, poulet->position, rayon + poulet->getTaille()))
            continue;
        zeus->signaler(Evenement::GrainMange);
        poulet->setTaille(poulet->getTaille() + 10);
        if (poulet->getTaille() > 150) {
            zeus->signalerFin(poulet, Evenement::MortGavage);
            poulet->mourir();
        }
        cpBody* body = cpShapeGetBody(poulet->shape);
        cpBodySetMass(body, cpBodyGetMass(body) * 1.3);
        aSupprimer = true;
    }
}
