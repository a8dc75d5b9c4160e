// The chickens an actor may touch, found through the physics space's index during
// the director's walk, must hold every chicken the walk over the whole map finds
// in contact, in the same (increasing id) order.
#include "monde.h"

#include "game/entities/Grain.h"
#include "game/entities/Poulet.h"
#include "game/entities/PouletTombe.h"
#include "game/entities/Sang.h"
#include "game/game/contacts.h"

#include <random>

namespace {

using Proches = Monde;
using Forme = PouletsProches::Forme;

// The rule as the director's map gives it: every chicken in contact, in id order.
std::vector<int> parLaCarte(Zeus& zeus, cpVect centre, double portee, Forme forme)
{
    std::vector<int> ids;
    for (auto& e : zeus.rEntiteMap_) {
        if (e.second->type != ETYPE_POULET)
            continue;
        double r = portee + e.second->getTaille();
        if (forme == Forme::Cercle ? toucheCercle(centre, e.second->position, r)
                                   : toucheLigne(centre, e.second->position, r))
            ids.push_back(e.first);
    }
    return ids;
}

std::vector<int> parLIndex(Zeus& zeus, cpVect centre, double portee, Forme forme)
{
    std::vector<int> ids;
    int precedent = -1;
    for (Poulet* p : zeus.pouletsProches_.candidats(centre, portee, forme)) {
        EXPECT_GT(p->id, precedent);
        precedent = p->id;
        double r = portee + p->getTaille();
        if (forme == Forme::Cercle ? toucheCercle(centre, p->position, r) : toucheLigne(centre, p->position, r))
            ids.push_back(p->id);
    }
    return ids;
}

void comparer(Zeus& zeus, std::mt19937& alea, int essais)
{
    std::uniform_real_distribution<double> x(-100, 1100), y(-260, 260);
    const double portees[] = {0, 10, 50};
    for (int i = 0; i < essais; ++i) {
        cpVect c = cpv(x(alea), y(alea));
        for (double portee : portees)
            for (Forme forme : {Forme::Cercle, Forme::Ligne})
                ASSERT_EQ(parLIndex(zeus, c, portee, forme), parLaCarte(zeus, c, portee, forme))
                    << "at " << c.x << ", " << c.y << " reach " << portee;
    }
}

TEST_F(Proches, IndexFindsWhatTheWalkOverTheMapFinds)
{
    std::mt19937 alea(7);
    std::uniform_real_distribution<float> x(0, 1000), y(-220, 220);
    std::vector<Poulet*> poulets;
    for (int i = 0; i < 300; ++i) {
        poulets.push_back(poser(Gaya::getPoulet(), x(alea), y(alea)));
        // Other kinds in the same places are never candidates.
        if (i % 10 == 0) {
            poser(Gaya::getGrain(), x(alea), y(alea));
            poser(Gaya::getPouletTombe(false), x(alea), y(alea));
        }
    }
    // A chicken without a shape, one whose shape never entered the space.
    poser(new Poulet(zeus.get(), nullptr, ETYPE_POULET, nullptr), 500, 0);
    Poulet* horsEspace = new Poulet(zeus.get(), nullptr, ETYPE_POULET, PhysicsManager::make_ball(0, 0, 10, 1, 0.1, 0.5, 0.6));
    horsEspace->setXY(510, 5);
    zeus->rEntiteMap_[horsEspace->id] = horsEspace;

    // The boxes in the index as a step leaves them; the positions as before it.
    for (Poulet* p : poulets)
        cpBodySetVel(cpShapeGetBody(p->shape), cpv(x(alea) - 500, y(alea)));
    PhysicsManager::update();
    for (size_t i = 0; i < poulets.size(); ++i) {
        Poulet* p = poulets[i];
        if (i % 3 == 0)
            p->Entitee::update(30); // updated already in this walk
        else if (i % 7 == 0)
            p->position = cpvadd(p->position, cpv(x(alea) / 10, y(alea) / 10)); // stunned long ago
        else if (i % 11 == 0)
            p->setTaille(10 + float(i % 5) * 10); // has eaten
        else if (i % 13 == 0)
            cpBodySetPos(cpShapeGetBody(p->shape), cpv(x(alea), y(alea))); // moved since the step
    }

    zeus->pouletsProches_.ouvrir();
    comparer(*zeus, alea, 200);
    // Their own update in the walk: the position follows the body.
    for (size_t i = 13; i < poulets.size(); i += 13)
        poulets[i]->Entitee::update(30);
    comparer(*zeus, alea, 200);
    // Grown in the middle of the walk, by more than the index's margin.
    poulets[1]->setTaille(200);
    poulets[2]->setTaille(35);
    comparer(*zeus, alea, 200);
    zeus->pouletsProches_.fermer();

    // Outside a walk: every chicken of the map, in id order.
    std::vector<int> tous, attendus;
    for (Poulet* p : zeus->pouletsProches_.candidats(cpv(0, 0), 0, Forme::Cercle))
        tous.push_back(p->id);
    for (auto& e : zeus->rEntiteMap_)
        if (e.second->type == ETYPE_POULET)
            attendus.push_back(e.first);
    EXPECT_EQ(tous, attendus);
}

} // namespace
