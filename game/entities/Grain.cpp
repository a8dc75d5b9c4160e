#include "game/entities/Grain.h"

#include "game/entities/Poulet.h"
#include "game/game/contacts.h"
#include "game/game/world.h"
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
    for (Poulet* poulet : zeus->pouletsProches_.candidats(position, rayon, PouletsProches::Forme::Cercle)) {
        if (aSupprimer)
            return;
        if (!toucheCercle(position, poulet->position, rayon + poulet->getTaille()))
            continue;
        zeus->signaler(Evenement::GrainMange);
        poulet->setTaille(poulet->getTaille() + world::GRAIN_GROSSIT);
        if (poulet->getTaille() > world::TAILLE_MAX) {
            zeus->signalerFin(poulet, Evenement::MortGavage);
            poulet->mourir();
        }
        cpBody* body = cpShapeGetBody(poulet->shape);
        cpBodySetMass(body, cpBodyGetMass(body) * world::GRAIN_ALOURDIT);
        aSupprimer = true;
    }
}
