#include "game/game/zeus.h"

#include "engine/physics/physics.h"
#include "game/entities/Entitee.h"
#include "game/entities/Poulet.h"
#include "game/entities/Grain.h"
#include "game/entities/Oeuf.h"
#include "game/entities/Scie.h"
#include "game/entities/Taser.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/world.h"

namespace {

using world::ARRIVEE;
using world::BORD_DEBUT;
using world::DEMI_LARGEUR;

void detruire(Entitee* e)
{
    if (e->shape) {
        PhysicsManager::removeShapeFromSpace(e->shape);
        PhysicsManager::freeShape(e->shape);
    }
    delete e;
}

}

Zeus::Zeus()
    : fDifficultee_(0), iNextOeufChrono_(0), iNextGrainChrono_(0), fMousePosX_(0), fMousePosY_(0), fCamCenterX_(0),
      pouletsProches_(rEntiteMap_)
{
    PhysicsManager::initChipmunk();
    PhysicsManager::setDefaultCollisionFunc(nullptr, nullptr, nullptr, nullptr, this);
}

Zeus::~Zeus()
{
    for (auto& entree : rEntiteMap_)
        detruire(entree.second);
    for (Entitee* e : rAInsererVec_)
        detruire(e);
}

// Bounds are a·d + b in double from the single-precision d, truncated towards zero.
int Zeus::tirer(double aMin, double bMin, double aMax, double bMax)
{
    int iMin = static_cast<int>(aMin * fDifficultee_ + bMin);
    int iMax = static_cast<int>(aMax * fDifficultee_ + bMax);
    int n = iMax - iMin;
    if (n <= 0)
        return iMin;
    return iMin + gameRand() % n;
}

int Zeus::generateNextOeufChrono() { return tirer(2000, 3000, 10000, 10000); }
int Zeus::generateNextGrainChrono() { return tirer(-2700, 3000, -4000, 5000); }
int Zeus::generateNextScieDistance() { return tirer(-200, 300, -800, 1200); }
int Zeus::generateNextTaserDistance() { return tirer(-200, 300, -1400, 2000); }

void Zeus::cleanLevel()
{
    for (auto& entree : rEntiteMap_)
        entree.second->aSupprimer = true;
    nettoyer();
}

void Zeus::initLevel(float fDifficultee)
{
    cleanLevel();
    fDifficultee_ = fDifficultee;
    iNextOeufChrono_ = generateNextOeufChrono();
    iNextGrainChrono_ = generateNextGrainChrono();

    for (int x = generateNextScieDistance() + 300; x <= world::FIN_OBSTACLES; x += generateNextScieDistance()) {
        Scie* scie = Gaya::getScie();
        // A saw sits on one edge and reaches inwards.
        scie->setXY(static_cast<float>(x), scie->iOrientation == -1 ? 250.0f : -250.0f);
        addEntiteeToWorld(scie);
    }
    for (int x = generateNextTaserDistance() + 300; x <= world::FIN_OBSTACLES; x += generateNextTaserDistance()) {
        Entitee* taser = Gaya::getTaser();
        taser->setXY(static_cast<float>(x), 0);
        addEntiteeToWorld(taser);
    }
}

void Zeus::signaler(Evenement e)
{
    switch (e) {
    case Evenement::PouletCree: ++stats.iPouletsCrees; break;
    case Evenement::MortScie: ++stats.iMortsScie; break;
    case Evenement::MortGavage: ++stats.iMortsGavage; break;
    case Evenement::Tombe: ++stats.iTombes; break;
    case Evenement::Arrive: ++stats.iArrives; break;
    case Evenement::Eclosion: ++stats.iEclosions; break;
    case Evenement::GrainMange: ++stats.iGrainsManges; break;
    case Evenement::SonScie: ++stats.iSonsScie; break;
    }
}

void Zeus::signalerFin(const Entitee* poulet, Evenement e)
{
    if (!poulet->aSupprimer)
        signaler(e);
}

void Zeus::update(int iElapsedTime)
{
    inserer();
    if (static_cast<int>(rEntiteMap_.size()) > stats.iMaxEntitees)
        stats.iMaxEntitees = static_cast<int>(rEntiteMap_.size());
    // The map holds still during the walk: the chickens can be found through the space's index.
    pouletsProches_.ouvrir();
    memoTextures_.ouvrir();
    for (auto& entree : rEntiteMap_)
        entree.second->update(iElapsedTime);
    memoTextures_.fermer();
    pouletsProches_.fermer();
    PhysicsManager::update();
    creerObstacles(iElapsedTime);
    // The belt and the edges in one walk: each entity's fall depends only on its own move.
    for (auto& entree : rEntiteMap_) {
        porter(entree.second, iElapsedTime);
        choir(entree.second);
    }
    nettoyer();
}

void Zeus::render()
{
    static const ETYPE ordre[] = {ETYPE_POULETTOMBE, ETYPE_SANG,   ETYPE_GRAIN, ETYPE_OEUF,  ETYPE_OEUF,
                                  ETYPE_POULET,      ETYPE_SCIE,   ETYPE_BARRE, ETYPE_TASER, ETYPE_PISTON};
    for (ETYPE type : ordre)
        for (auto& entree : rEntiteMap_)
            if (entree.second->type == type)
                entree.second->afficher();
    for (auto& entree : rEntiteMap_)
        entree.second->afficher();
}

void Zeus::addEntiteeToWorld(Entitee* entitee) { rAInsererVec_.push_back(entitee); }

void Zeus::setMousePosition(float fMousePosX, float fMousePosY)
{
    fMousePosX_ = fMousePosX;
    fMousePosY_ = fMousePosY;
}

void Zeus::creerObstacles(int iElapsedTime)
{
    iNextOeufChrono_ -= iElapsedTime;
    iNextGrainChrono_ -= iElapsedTime;
    if (iNextGrainChrono_ <= 0) {
        Entitee* grain = Gaya::getGrain();
        int y = gameRand() % 400 - 200;
        grain->setXY(fCamCenterX_ + 500, static_cast<float>(y));
        addEntiteeToWorld(grain);
        iNextGrainChrono_ = generateNextGrainChrono();
    }
    if (iNextOeufChrono_ <= 0) {
        Entitee* oeuf = Gaya::getOeuf();
        int y = gameRand() % 400 - 200;
        oeuf->setXY(fCamCenterX_ + 500, static_cast<float>(y));
        iNextOeufChrono_ = generateNextOeufChrono();
        addEntiteeToWorld(oeuf);
    }
}

void Zeus::deplacerTapis(int iElapsedTime)
{
    for (auto& entree : rEntiteMap_)
        porter(entree.second, iElapsedTime);
}

void Zeus::choirEntitee()
{
    for (auto& entree : rEntiteMap_)
        choir(entree.second);
}

void Zeus::porter(Entitee* e, int iElapsedTime)
{
    if (e->type == ETYPE_GRAIN || e->type == ETYPE_OEUF || e->type == ETYPE_SANG)
        e->setXY(static_cast<float>(e->position.x) - iElapsedTime * world::TAPIS_PAR_MS, static_cast<float>(e->position.y));
}

void Zeus::choir(Entitee* e)
{
    bool tombe = false;
    if (e->type == ETYPE_POULET && (e->position.y > DEMI_LARGEUR || e->position.y < -DEMI_LARGEUR)) {
        signalerFin(e, Evenement::Tombe);
        static_cast<Poulet*>(e)->tombe(e->position.y >= DEMI_LARGEUR);
        tombe = true;
    }
    // A chicken that already went over a side this frame leaves one falling chicken, not two.
    if (e->position.x < BORD_DEBUT && !tombe) {
        if (e->type == ETYPE_POULET) {
            signalerFin(e, Evenement::Tombe);
            static_cast<Poulet*>(e)->tombe(false);
        } else if (e->type == ETYPE_GRAIN || e->type == ETYPE_SANG || e->type == ETYPE_OEUF) {
            e->tombe(false);
        }
    }
    if (e->position.x >= ARRIVEE && e->type == ETYPE_POULET) {
        signalerFin(e, Evenement::Arrive);
        e->aSupprimer = true;
    }
}

void Zeus::nettoyer()
{
    // Highest id first, as they have always left; their shapes leave the space
    // together, in that order, which costs one walk of its contacts, not one each.
    std::vector<std::map<int, Entitee*>::iterator> morts;
    std::vector<cpShape*> formes;
    for (auto it = rEntiteMap_.end(); it != rEntiteMap_.begin();) {
        --it;
        if (!it->second->aSupprimer)
            continue;
        morts.push_back(it);
        if (it->second->shape)
            formes.push_back(it->second->shape);
    }
    PhysicsManager::removeShapesFromSpace(formes);
    for (auto it : morts) {
        Entitee* e = it->second;
        rEntiteMap_.erase(it);
        detruire(e);
    }
}

void Zeus::inserer()
{
    while (!rAInsererVec_.empty()) {
        Entitee* e = rAInsererVec_.back();
        rAInsererVec_.pop_back();
        rEntiteMap_[e->id] = e;
        if (e->shape)
            PhysicsManager::addShapeToSpace(e->shape);
    }
}
