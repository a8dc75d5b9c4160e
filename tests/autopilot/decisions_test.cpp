// The autopilot's choices on tiny worlds, each named for the decision it checks.
#include "engine/manager/xmanager.h"
#include "game/autopilot/autopilot.h"
#include "game/autopilot/model.h"
#include "game/autopilot/pointer.h"
#include "game/entities/Poulet.h"
#include "game/entities/Scie.h"
#include "game/entities/Taser.h"
#include "game/frame/gameframe.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A few entities laid by hand on an empty belt, run by the game's own frame
// with the autopilot's hand on the pointer.
class PetitMonde : public ::testing::Test {
protected:
    void SetUp() override
    {
        gameSrand(1);
        Gaya::init(&zeus, &manager);
        // No grain or eggs: only what the test lays.
        zeus.iNextGrainChrono_ = zeus.iNextOeufChrono_ = 1 << 30;
    }
    void TearDown() override { Gaya::init(nullptr, nullptr); }

    template <class T>
    T* poser(T* e, float x, float y)
    {
        e->setXY(x, y);
        zeus.addEntiteeToWorld(e);
        zeus.inserer();
        return e;
    }
    Poulet* poulet(float x, float y) { return poser(Gaya::getPoulet(), x, y); }
    // A saw on the upper edge reaching `longueur` down into the belt.
    Scie* scie(float x, int longueur, float vitesse, Scie::ETAT etat, float duree)
    {
        Scie* s = poser(Gaya::getScie(), x, 250);
        s->iOrientation = -1;
        s->longueur = longueur;
        s->vitesse = vitesse;
        s->etat = etat;
        s->dureeEtat = duree;
        return s;
    }
    Taser* taser(float x, int duree)
    {
        Taser* t = poser(Gaya::getTaser(), x, 0);
        t->dureeEtat = duree;
        return t;
    }

    pilote::Monde modele() { return pilote::observer(zeus, pilote::HORIZON); }

    // Frames of play until `fini` holds or `frames` ran out; the frames played.
    template <class F>
    int jouer(int frames, F fini)
    {
        int n = 0;
        for (; n < frames && !fini(); ++n) {
            int x, y;
            pilote_.piloter(zeus, x, y);
            jeu.pointerAt(x, y);
            jeu.advance();
        }
        return n;
    }

    XMANAGER manager{nullptr};
    Zeus zeus;
    GameFrame jeu{&zeus};
    Autopilot pilote_;
};

// The chicken closes on a saw about to sweep the whole belt, blade out for three
// seconds: no lane is safe while it is out, so the plan waits short of it and
// passes once it is back.
TEST_F(PetitMonde, OneChickenBeforeASawWaitsForTheBladeToGoBack)
{
    Poulet* p = poulet(380, 0);
    Scie* s = scie(500, 399, 0.4f, Scie::ETAT_RENTREE, 2970);
    pilote::Monde m = modele();
    for (const pilote::Plan& plan : pilote::plans(m)) {
        if (plan.arret < 0) {
            EXPECT_GE(pilote::evaluer(m, plan), pilote::COUT_PERTE) << "lane " << plan.voie[0];
        }
    }
    EXPECT_EQ(pilote::choisir(m, pilote::Plan{}).arret, 0);

    // How close the chicken came while the blade was out, in its first sweep.
    double auPlusPres = 0;
    int balayage = 0; // before, during, after
    int frames = jouer(400, [&] {
        bool dehors = s->etat != Scie::ETAT_RENTREE;
        if (balayage == 0 && dehors)
            balayage = 1;
        else if (balayage == 1 && !dehors)
            balayage = 2;
        if (balayage == 1)
            auPlusPres = std::max(auPlusPres, p->position.x);
        return zeus.stats.iMortsScie > 0 || p->position.x > 600;
    });
    EXPECT_EQ(zeus.stats.iMortsScie, 0);
    EXPECT_LT(frames, 400) << "still short of the saw at x = " << p->position.x;
    EXPECT_LT(auPlusPres, 500 - world::RAYON_SCIE - world::RAYON_POULET) << "came within the blade's reach";
}

// A taser's box stands right behind a saw: the middle of the belt past the saw
// leads into the box, so no plan offers it, and the chosen lanes keep to one side.
TEST_F(PetitMonde, BoxRightBehindASawLeavesOnlyTheOuterLanes)
{
    Poulet* p = poulet(200, 0);
    scie(500, 300, 0.2f, Scie::ETAT_RENTREE, 2000);
    Taser* t = taser(580, 3000);
    pilote::Monde m = modele();
    std::vector<pilote::Plan> tous = pilote::plans(m);
    ASSERT_FALSE(tous.empty());
    for (const pilote::Plan& plan : tous) {
        ASSERT_EQ(plan.n, 2);
        EXPECT_NE(plan.voie[0], 0) << "the middle lane past the saw runs into the box";
    }
    pilote::Plan choisi = pilote::choisir(m, pilote::Plan{});
    EXPECT_GT(choisi.voie[0] * choisi.voie[1], 0) << "crosses the belt between the saw and the box";

    bool tase = false;
    int frames = jouer(400, [&] {
        tase |= p->isTase >= 0;
        return zeus.stats.iMortsScie > 0 || p->position.x > t->position.x + 100;
    });
    EXPECT_EQ(zeus.stats.iMortsScie, 0);
    EXPECT_FALSE(tase);
    EXPECT_LT(frames, 400) << "held at x = " << p->position.x;
}

// A chicken too fat to pass a taser's box is left behind: the pointer serves
// the thin one as if the fat one were not there, and the thin one goes on.
TEST_F(PetitMonde, ChickenTooFatForATaserIsLeftBehind)
{
    Poulet* gros = poulet(300, 0);
    gros->setTaille(static_cast<float>(pilote::TROP_GROS + 10));
    Poulet* mince = poulet(250, 30);
    Taser* t = taser(500, 0);
    pilote::Monde m = modele();
    pilote::Plan plan = pilote::choisir(m, pilote::Plan{});
    std::vector<char> rien;
    cpVect avecLui = pilote::pointeur(m.poules, m.poules.size(), plan, m.camX, m.libre, 0, {}, rien);
    std::vector<pilote::Poule> seul;
    for (const pilote::Poule& q : m.poules)
        if (q.id == mince->id)
            seul.push_back(q);
    cpVect sansLui = pilote::pointeur(seul, m.poules.size(), plan, m.camX, m.libre, 0, {}, rien);
    EXPECT_EQ(avecLui.x, sansLui.x);
    EXPECT_EQ(avecLui.y, sansLui.y);

    bool tase = false;
    jouer(400, [&] {
        tase |= mince->isTase >= 0;
        return mince->position.x > t->position.x + 100;
    });
    EXPECT_GT(mince->position.x, t->position.x + 100);
    EXPECT_FALSE(tase);
}

// With only such chickens left, the pointer takes them off the nearest edge,
// so that a fresh group comes.
TEST_F(PetitMonde, OnlyHopelessChickensAreSentOffTheNearestEdge)
{
    std::vector<pilote::Poule> gros{{300, 20, 0, 0, pilote::TROP_GROS + 10, 2, -1, 6, 0, 1}};
    cpVect c = pilote::pointeur(gros, 1, pilote::Plan{}, 300, 0, 0, {}, {});
    EXPECT_EQ(c.y, 299);
    gros[0].y = -20;
    c = pilote::pointeur(gros, 1, pilote::Plan{}, 300, 0, 0, {}, {});
    EXPECT_EQ(c.y, -298);
}

}
