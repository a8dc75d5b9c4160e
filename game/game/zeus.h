#pragma once
// The level director: holds every entity, lays out a level and runs the world.
#include "game/game/memotextures.h"
#include "game/game/pouletsproches.h"

#include <map>
#include <vector>

class Entitee;

// What the rules report, at the moment it happens.
enum class Evenement {
    PouletCree,  // the factory made a chicken
    MortScie,    // a chicken's end: a saw
    MortGavage,  // a chicken's end: too big from grain
    Tombe,       // a chicken's end: over a side or off the start of the belt
    Arrive,      // a chicken's end: the finish line
    Eclosion,    // an egg hatched a chicken
    GrainMange,  // a chicken ate a grain
    SonScie      // a saw cut and made its sound
};

// What happened since the director was made; read by the headless simulation.
// Only Zeus::signaler and Zeus::signalerFin count events.
struct ZeusStats {
    int iPouletsCrees = 0;
    int iMortsScie = 0;
    int iMortsGavage = 0;
    int iTombes = 0;
    int iArrives = 0;
    int iEclosions = 0;
    int iGrainsManges = 0;
    int iSonsScie = 0;
    int iMaxEntitees = 0;
};

class Zeus {
public:
    Zeus();
    // Destroys whatever it still holds, queued or in the map.
    ~Zeus();
    Zeus(const Zeus&) = delete;
    Zeus& operator=(const Zeus&) = delete;

    void initLevel(float fDifficultee);
    void cleanLevel();
    void update(int iElapsedTime);
    void render();
    // The entity joins the map at the start of the next update.
    void addEntiteeToWorld(Entitee* entitee);
    void setMousePosition(float fMousePosX, float fMousePosY);

    // The one way the rules report what happens.
    void signaler(Evenement e);
    // A chicken's end counts once: not when it was already leaving the world.
    void signalerFin(const Entitee* poulet, Evenement e);

    int generateNextOeufChrono();
    int generateNextGrainChrono();
    int generateNextScieDistance();
    int generateNextTaserDistance();

    void creerObstacles(int iElapsedTime);
    void deplacerTapis(int iElapsedTime);
    void choirEntitee();
    void nettoyer();
    void inserer();

    std::map<int, Entitee*> rEntiteMap_;
    std::vector<Entitee*> rAInsererVec_;
    float fDifficultee_;
    int iNextOeufChrono_;
    int iNextGrainChrono_;
    float fMousePosX_;
    float fMousePosY_;
    float fCamCenterX_;
    // The chickens an actor may touch, for the contact rules.
    PouletsProches pouletsProches_;
    // The textures the entities fetch by name, for the same walk.
    MemoTextures memoTextures_;

    ZeusStats stats;

private:
    // One entity's share of deplacerTapis and of choirEntitee.
    void porter(Entitee* e, int iElapsedTime);
    void choir(Entitee* e);
    int tirer(double aMin, double bMin, double aMax, double bMax);
};
