#include "game/entities/Barre.h"

Barre::Barre(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape) : Entitee(deus, e, etype, cpshape) {}

void Barre::update(int) {}
