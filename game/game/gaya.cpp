#include "game/game/gaya.h"

#include "engine/manager/xmanager.h"
#include "engine/physics/physics.h"
#include "game/entities/Barre.h"
#include "game/entities/EntiteeTombe.h"
#include "game/entities/Grain.h"
#include "game/entities/Oeuf.h"
#include "game/entities/Piston.h"
#include "game/entities/Poulet.h"
#include "game/entities/PouletTombe.h"
#include "game/entities/Sang.h"
#include "game/entities/Scie.h"
#include "game/entities/Taser.h"
#include "game/game/world.h"
#include "game/game/zeus.h"

#include <cmath>

Zeus* Gaya::zeus = nullptr;
XMANAGER* Gaya::lemanager = nullptr;

namespace {

// Hazards and items must not be pushed: the physics layer makes them kinematic.
const double INFINI = INFINITY;

ELEMENT3D* element(const char* nom) { return Gaya::lemanager ? Gaya::lemanager->getelement3d(nom) : nullptr; }

cpShape* boule(double rayon, double masse, double moment, double elasticite)
{
    return PhysicsManager::make_ball(0, 0, rayon, masse, moment, elasticite, 0.6);
}

// Width along the belt, height across it.
cpShape* boite(double largeur, double hauteur)
{
    return PhysicsManager::make_box(0, 0, hauteur, largeur, INFINI, 0, 1, 0.6);
}

}

void Gaya::init(Zeus* z, XMANAGER* m)
{
    zeus = z;
    lemanager = m;
}

Poulet* Gaya::getPoulet()
{
    if (zeus)
        zeus->signaler(Evenement::PouletCree);
    return new Poulet(zeus, element("poulet"), ETYPE_POULET, boule(world::RAYON_POULET, 1, 0.1, 0.5));
}

PouletTombe* Gaya::getPouletTombe(bool haut)
{
    return new PouletTombe(zeus, element("poulet"), ETYPE_POULETTOMBE, boule(20, 1, 0, 1), haut);
}

Scie* Gaya::getScie()
{
    return new Scie(zeus, element("scie"), ETYPE_SCIE, boule(world::RAYON_SCIE, INFINI, 0, 1), zeus ? zeus->fDifficultee_ : 0);
}

Taser* Gaya::getTaser()
{
    // Each taser flickers on its own: it draws a copy of its element.
    ELEMENT3D* modele = element("taser");
    return new Taser(zeus, modele ? modele->copy() : nullptr, ETYPE_TASER, boite(world::TASER_EPAISSEUR, world::TASER_LONGUEUR),
                     zeus ? zeus->fDifficultee_ : 0);
}

Piston* Gaya::getPiston() { return new Piston(zeus, element("piston"), ETYPE_PISTON, boite(10, 200)); }

Barre* Gaya::getBarre() { return new Barre(zeus, element("barre"), ETYPE_BARRE, boite(10, 100)); }

Grain* Gaya::getGrain() { return new Grain(zeus, element("grain"), ETYPE_GRAIN, boule(world::RAYON_GRAIN, INFINI, 0, 1)); }

Oeuf* Gaya::getOeuf() { return new Oeuf(zeus, element("oeuf"), ETYPE_OEUF, boule(world::RAYON_GRAIN, INFINI, 0, 1)); }

Sang* Gaya::getSang() { return new Sang(zeus, element("sang"), ETYPE_SANG, boite(10, 10)); }

EntiteeTombe* Gaya::getEntiteeTombante(ETYPE type)
{
    const char* nom = "";
    if (type == ETYPE_OEUF)
        nom = "oeuf";
    else if (type == ETYPE_GRAIN)
        nom = "grain";
    else if (type == ETYPE_SANG)
        nom = "sang";
    return new EntiteeTombe(zeus, element(nom), ETYPE_TOMBE, nullptr, false);
}
