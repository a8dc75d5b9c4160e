#pragma once
// The common base of everything that lives on the belt.
#include "engine/physics/physics.h"

class ELEMENT3D;
class Zeus;

// The values are numbers in the render order and in every kind test.
enum ETYPE {
    ETYPE_SCIE = 0,
    ETYPE_BARRE = 1,
    ETYPE_PISTON = 2,
    ETYPE_TASER = 3,
    ETYPE_POULET = 4,
    ETYPE_POULETTOMBE = 5,
    ETYPE_OEUF = 6,
    ETYPE_GRAIN = 7,
    ETYPE_SANG = 8,
    ETYPE_TOMBE = 9,
    ETYPE_COUNT = 10
};

class Entitee {
public:
    Entitee(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape);
    // Releases neither the element nor the shape: the director frees the shape.
    virtual ~Entitee();
    Entitee(const Entitee&) = delete;
    Entitee& operator=(const Entitee&) = delete;

    virtual void afficher();
    // Follows the body; the time is not used here.
    virtual void update(int tempsEcoule);

    // Every move goes through here, so the body and the position never part.
    void setXY(float x, float y);
    void setTaille(float radius);
    // Radius of the circle shape; 0 without one.
    float getTaille() { return static_cast<float>(PhysicsManager::circleRadius(shape)); }
    // Marks the entity and queues its falling copy in its place.
    void tombe(bool bDevant);

    bool aSupprimer;
    ETYPE type;
    cpVect position;
    cpShape* shape;
    ELEMENT3D* elem;
    Zeus* zeus;
    static int idCount;
    int id;
};
