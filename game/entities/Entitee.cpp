#include "game/entities/Entitee.h"

#include "engine/manager/element3d.h"
#include "game/entities/EntiteeTombe.h"
#include "game/game/gaya.h"
#include "game/game/zeus.h"

int Entitee::idCount = 0;

Entitee::Entitee(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape)
    : aSupprimer(false), type(etype), position(cpv(0, 0)), shape(cpshape), elem(e), zeus(deus), id(idCount++)
{
}

Entitee::~Entitee() = default;

void Entitee::afficher()
{
    if (!elem)
        return;
    D3DXMATRIXA16 m;
    D3DXMatrixIdentity(&m);
    D3DXMatrixTranslation(&m, static_cast<float>(position.x), static_cast<float>(position.y), 0);
    elem->afficher(&m);
}

void Entitee::update(int)
{
    if (shape)
        position = cpBodyGetPos(cpShapeGetBody(shape));
}

void Entitee::setXY(float x, float y)
{
    if (shape) {
        cpBody* body = cpShapeGetBody(shape);
        cpBodySetPos(body, cpv(x, y));
        position = cpBodyGetPos(body);
    } else {
        position = cpv(x, y);
    }
}

void Entitee::setTaille(float radius)
{
    PhysicsManager::setCircleRadius(shape, radius);
    if (zeus)
        zeus->pouletsProches_.tailleChangee(this);
}

void Entitee::tombe(bool)
{
    aSupprimer = true;
    Entitee* copie = Gaya::getEntiteeTombante(type);
    copie->setXY(static_cast<float>(position.x), static_cast<float>(position.y));
    zeus->addEntiteeToWorld(copie);
}
