#include "game/entities/Taser.h"

#include "engine/manager/element3d.h"
#include "engine/manager/xmanager.h"
#include "game/entities/Poulet.h"
#include "game/game/contacts.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"

Taser::Taser(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape, float)
    : Entitee(deus, e, etype, cpshape), etat(TETAT_INACTIF), dureeEtat(0)
{
    // Out of step with the other tasers: the first charge comes 1001 to 15000 ms in.
    dureeEtat = gameRand() % 14000 - 10000;
}

Taser::~Taser() { delete elem; }

void Taser::update(int t)
{
    Entitee::update(t);
    bool tirait = etat == TETAT_ACTIF;
    Cycle c = avancer({etat, dureeEtat}, t);
    etat = c.etat;
    dureeEtat = c.dureeEtat;
    // Only while it fires: the frame it starts firing and the frame it stops stun nobody.
    if (tirait)
        tase();
    updateAnimation(t);
}

Taser::Cycle Taser::avancer(Cycle c, int t)
{
    c.dureeEtat += t;
    switch (c.etat) {
    case TETAT_INACTIF:
        if (c.dureeEtat >= 5000)
            c = {TETAT_PREPARATION, 0};
        break;
    case TETAT_PREPARATION:
        if (c.dureeEtat >= 1000)
            c = {TETAT_ACTIF, 0};
        break;
    case TETAT_ACTIF:
        if (c.dureeEtat >= 500)
            c = {TETAT_INACTIF, 0};
        break;
    }
    return c;
}

void Taser::updateAnimation(int)
{
    const char* nom;
    switch (etat) {
    case TETAT_PREPARATION:
        nom = "taser_charge_tex";
        break;
    case TETAT_ACTIF:
        nom = dureeEtat % 50 <= 25 ? "taser_eclaire_1_tex" : "taser_eclaire_2_tex";
        break;
    default:
        nom = "taser_inactif_tex";
        break;
    }
    if (elem && Gaya::lemanager)
        elem->settexture(zeus ? zeus->memoTextures_.get(Gaya::lemanager, nom) : Gaya::lemanager->gettexture(nom), 0);
}

bool Taser::isActif() { return etat == TETAT_ACTIF; }

void Taser::tase()
{
    if (!isActif())
        return;
    for (Poulet* poulet : zeus->pouletsProches_.candidats(position, 0, PouletsProches::Forme::Ligne))
        if (toucheLigne(position, poulet->position, poulet->getTaille()))
            poulet->isTase = 1;
}
