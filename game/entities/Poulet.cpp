#include "game/entities/Poulet.h"

#include "engine/manager/element3d.h"
#include "engine/manager/xmanager.h"
#include "game/entities/PouletTombe.h"
#include "game/entities/Sang.h"
#include "game/game/gaya.h"
#include "game/game/world.h"
#include "game/game/zeus.h"


Poulet::Poulet(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape)
    : Entitee(deus, e, etype, cpshape), isTase(-1), tempsAnimation(0)
{
}

void Poulet::afficher()
{
    if (!elem)
        return;
    float s = getTaille() / 10.0f;
    D3DXMATRIXA16 echelle, translation, m;
    D3DXMatrixScaling(&echelle, s, s, 1);
    D3DXMatrixTranslation(&translation, static_cast<float>(position.x), static_cast<float>(position.y), 0);
    D3DXMatrixMultiply(&m, &echelle, &translation);
    elem->afficher(&m);
}

void Poulet::update(int t)
{
    cpBody* body = shape ? cpShapeGetBody(shape) : nullptr;
    if (isTase < 0) {
        Entitee::update(t);
        if (!body)
            return;
        // The stored mouse y grows downwards; the world's grows upwards.
        cpVect cible = cpv(zeus->fMousePosX_, -zeus->fMousePosY_);
        cpVect d = cpvsub(cible, position);
        // On the point itself there is no direction to push in.
        if (cpvlengthsq(d) > 0)
            cpBodyApplyImpulse(body, cpvmult(cpvnormalize(d), t * world::POUSSEE_PAR_MS), cpvzero);
        cpBodySetVelLimit(body, world::VITESSE_MAX);
        updateAnimation(t);
    } else if (isTase + t > world::TASE_MS) {
        isTase = -1;
        if (body)
            cpBodySetVel(body, cpvzero);
    } else {
        isTase += t;
        if (body)
            cpBodySetVel(body, cpvzero);
        updateAnimation(t);
    }
}

void Poulet::updateAnimation(int t)
{
    tempsAnimation += t;
    bool versLaDroite = !shape || cpBodyGetVel(cpShapeGetBody(shape)).x >= 0;
    char direction = versLaDroite ? '2' : '1';
    char image = tempsAnimation > 199 ? '2' : '1';
    if (tempsAnimation > 400)
        tempsAnimation = 0;
    // Every chicken, every frame: the name is built in place, without allocating.
    char nom[] = "poulet?_?_tex";
    nom[6] = image;
    nom[8] = direction;
    if (elem && Gaya::lemanager)
        elem->settexture(zeus ? zeus->memoTextures_.get(Gaya::lemanager, nom, (image - '1') * 2 + (direction - '1'))
                              : Gaya::lemanager->gettexture(nom),
                         0);
}

void Poulet::mourir()
{
    aSupprimer = true;
    Sang* sang = Gaya::getSang();
    sang->setXY(static_cast<float>(position.x), static_cast<float>(position.y));
    zeus->addEntiteeToWorld(sang);
}

void Poulet::tombe(bool bDevant)
{
    aSupprimer = true;
    PouletTombe* chute = Gaya::getPouletTombe(bDevant);
    chute->setXY(static_cast<float>(position.x), static_cast<float>(position.y));
    chute->setTaille(getTaille());
    zeus->addEntiteeToWorld(chute);
}
