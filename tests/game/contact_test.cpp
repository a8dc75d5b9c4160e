#include "monde.h"

#include "game/entities/Grain.h"
#include "game/entities/Oeuf.h"
#include "game/entities/Piston.h"
#include "game/entities/Poulet.h"
#include "game/entities/Scie.h"
#include "game/entities/Taser.h"

namespace {

using Contacts = Monde;

TEST_F(Contacts, SawReachIsItsRadiusPlusTheChickens)
{
    Scie* scie = poser(Gaya::getScie(), 1000, 0);
    Poulet* touche = poser(Gaya::getPoulet(), 1060, 0);
    Poulet* epargne = poser(Gaya::getPoulet(), 1000, -60.01f);
    scie->update(30);
    EXPECT_TRUE(touche->aSupprimer);
    EXPECT_FALSE(epargne->aSupprimer);
    EXPECT_EQ(enFile(ETYPE_SANG), 1);
    EXPECT_EQ(zeus->stats.iMortsScie, 1);
}

TEST_F(Contacts, SawPlaysItsSoundForEveryChickenItKills)
{
    Scie* scie = poser(Gaya::getScie(), 1000, 0);
    poser(Gaya::getPoulet(), 1030, 0);
    poser(Gaya::getPoulet(), 970, 20);
    scie->update(30);
    EXPECT_EQ(zeus->stats.iSonsScie, 2);
    EXPECT_EQ(enFile(ETYPE_SANG), 2);
    // Already marked, still cut (and still heard) by a second saw in the same frame.
    Scie* autre = poser(Gaya::getScie(), 1000, 1);
    autre->update(30);
    EXPECT_EQ(zeus->stats.iSonsScie, 4);
    EXPECT_EQ(zeus->stats.iMortsScie, 2);
}

TEST_F(Contacts, ActiveTaserStunsAcrossTheWholeBelt)
{
    Taser* taser = poser(Gaya::getTaser(), 500, 0);
    Poulet* loin = poser(Gaya::getPoulet(), 500, 300);
    Poulet* cote = poser(Gaya::getPoulet(), 511, 0);
    Poulet* bord = poser(Gaya::getPoulet(), 510, -150);
    taser->etat = Taser::TETAT_ACTIF;
    taser->dureeEtat = 0;
    taser->update(30);
    EXPECT_EQ(loin->isTase, 1);
    EXPECT_EQ(cote->isTase, -1);
    EXPECT_EQ(bord->isTase, 1);
}

TEST_F(Contacts, TaserStunsNobodyOnTheUpdateItStopsFiring)
{
    Taser* taser = poser(Gaya::getTaser(), 500, 0);
    Poulet* p = poser(Gaya::getPoulet(), 500, 0);
    taser->etat = Taser::TETAT_ACTIF;
    taser->dureeEtat = 470;
    taser->update(30);
    EXPECT_EQ(taser->etat, Taser::TETAT_INACTIF);
    EXPECT_EQ(p->isTase, -1);
}

TEST_F(Contacts, GrainFeedsOnlyTheFirstChickenInIdOrder)
{
    Grain* grain = poser(Gaya::getGrain(), 0, 0);
    Poulet* premier = poser(Gaya::getPoulet(), 15, 0);
    Poulet* second = poser(Gaya::getPoulet(), -15, 0);
    double masse = cpBodyGetMass(cpShapeGetBody(premier->shape));
    grain->update(30);
    EXPECT_TRUE(grain->aSupprimer);
    EXPECT_EQ(premier->getTaille(), 20);
    EXPECT_EQ(second->getTaille(), 10);
    EXPECT_DOUBLE_EQ(cpBodyGetMass(cpShapeGetBody(premier->shape)), masse * 1.3);
    EXPECT_DOUBLE_EQ(cpBodyGetMass(cpShapeGetBody(second->shape)), masse);
    grain->update(30);
    EXPECT_EQ(second->getTaille(), 10);
}

TEST_F(Contacts, FifteenthGrainKills)
{
    Poulet* p = poser(Gaya::getPoulet(), 0, 0);
    p->setTaille(140);
    poser(Gaya::getGrain(), 100, 0)->update(30);
    EXPECT_EQ(p->getTaille(), 150);
    EXPECT_FALSE(p->aSupprimer);
    poser(Gaya::getGrain(), 100, 0)->update(30);
    EXPECT_EQ(p->getTaille(), 160);
    EXPECT_TRUE(p->aSupprimer);
    EXPECT_EQ(enFile(ETYPE_SANG), 1);
    EXPECT_EQ(zeus->stats.iMortsGavage, 1);
    EXPECT_EQ(zeus->stats.iGrainsManges, 2);
}

TEST_F(Contacts, EggHatchesExactlyOneChicken)
{
    Oeuf* oeuf = poser(Gaya::getOeuf(), 40, 30);
    poser(Gaya::getPoulet(), 50, 30);
    poser(Gaya::getPoulet(), 30, 30);
    oeuf->update(30);
    EXPECT_TRUE(oeuf->aSupprimer);
    ASSERT_EQ(zeus->rAInsererVec_.size(), 1u);
    Entitee* poussin = zeus->rAInsererVec_[0];
    EXPECT_EQ(poussin->type, ETYPE_POULET);
    EXPECT_EQ(poussin->position.x, 40);
    EXPECT_EQ(poussin->position.y, 30);
    EXPECT_EQ(poussin->getTaille(), 10);
    EXPECT_DOUBLE_EQ(cpBodyGetMass(cpShapeGetBody(poussin->shape)), 1);
    oeuf->update(30);
    EXPECT_EQ(zeus->rAInsererVec_.size(), 1u);
    EXPECT_EQ(zeus->stats.iEclosions, 1);
}

TEST_F(Contacts, PistonCrushesOnceWhenItComesDown)
{
    Piston* piston = poser(Gaya::getPiston(), 0, 0);
    Poulet* dessous = poser(Gaya::getPoulet(), 5, 5);
    Poulet* a_cote = poser(Gaya::getPoulet(), 15, 0);
    piston->etat = Piston::ETAT_DESCEND;
    piston->dureeEtat = 9960;
    piston->update(30);
    EXPECT_EQ(piston->etat, Piston::ETAT_DESCEND);
    EXPECT_FALSE(dessous->aSupprimer);
    piston->update(30);
    EXPECT_EQ(piston->etat, Piston::ETAT_BAS);
    EXPECT_TRUE(dessous->aSupprimer);
    EXPECT_FALSE(a_cote->aSupprimer);
    EXPECT_TRUE(zeus->rAInsererVec_.empty()); // no blood, no falling chicken
}

}
