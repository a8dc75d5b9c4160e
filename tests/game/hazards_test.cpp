#include "monde.h"

#include "game/entities/Scie.h"
#include "game/entities/Taser.h"

#include <cmath>

namespace {

using Dangers = Monde;

TEST_F(Dangers, SawCycleOutAndBack)
{
    Scie* scie = poser(Gaya::getScie(), 2000, 250);
    scie->longueur = 200;
    scie->vitesse = 0.1f;
    scie->iOrientation = -1;
    for (int i = 1; i <= 99; ++i) {
        scie->update(30);
        ASSERT_EQ(scie->etat, Scie::ETAT_RENTREE) << "saw: out of its 3000 ms wait already in frame " << i;
    }
    scie->update(30);
    EXPECT_EQ(scie->etat, Scie::ETAT_ETEND);
    EXPECT_EQ(scie->position.y, 250);

    for (int i = 1; i <= 66; ++i) {
        scie->update(30);
        ASSERT_EQ(scie->etat, Scie::ETAT_ETEND) << "saw: out before its 200 units at 0.1 per ms, in frame " << i;
    }
    EXPECT_EQ(scie->position.y, 52);
    scie->update(30);
    EXPECT_EQ(scie->etat, Scie::ETAT_ETENDUE);
    EXPECT_EQ(scie->position.y, 50); // exactly 200 out
    EXPECT_EQ(scie->parcouru, 200);
    EXPECT_EQ(cpBodyGetPos(cpShapeGetBody(scie->shape)).y, 50);

    int n = 0;
    while (scie->etat != Scie::ETAT_RENTREE && n < 1000) {
        scie->update(30);
        ++n;
    }
    EXPECT_EQ(n, 34 + 67);
    EXPECT_EQ(scie->position.y, 250);
    EXPECT_EQ(scie->position.x, 2000);
    EXPECT_EQ(scie->parcouru, 0);
}

TEST_F(Dangers, SawDrawsBladeAndArmPointingAway)
{
    Scie* haut = poser(Gaya::getScie(), 100, 250);
    haut->iOrientation = -1;
    haut->fRotation = 0;
    haut->afficher();
    ASSERT_EQ(element("barre")->dessins.size(), 1u);
    EXPECT_NEAR(element("barre")->dessins[0]._11, 1, 1e-6);
    EXPECT_FLOAT_EQ(element("barre")->dessins[0]._42, 250);

    Scie* bas = poser(Gaya::getScie(), 100, -250);
    bas->iOrientation = 1;
    bas->update(30); // blade turns 0.15 rad per 30 ms
    bas->afficher();
    EXPECT_NEAR(element("barre")->dessins[1]._11, -1, 1e-6);
    const D3DXMATRIXA16& lame = element("scie")->dessins.back();
    EXPECT_NEAR(std::atan2(lame._12, lame._11), bas->fRotation, 1e-6);
}

TEST_F(Dangers, TaserCycleAndFlicker)
{
    Taser* taser = poser(Gaya::getTaser(), 100, 0);
    EXPECT_NE(taser->elem, element("taser"));
    Taser* autre = poser(Gaya::getTaser(), 200, 0);
    EXPECT_NE(taser->elem, autre->elem);
    EXPECT_GE(taser->dureeEtat, -10000);
    EXPECT_LE(taser->dureeEtat, 3999);

    taser->dureeEtat = 3999;
    int n = 0;
    while (taser->etat == Taser::TETAT_INACTIF) {
        taser->update(30);
        ++n;
    }
    EXPECT_EQ(n, 34);
    auto* e = static_cast<ElementTemoin*>(taser->elem);
    EXPECT_EQ(e->texture, texture("taser_charge_tex"));
    while (taser->etat == Taser::TETAT_PREPARATION)
        taser->update(30);
    EXPECT_EQ(e->texture, texture("taser_eclaire_1_tex")); // dureeEtat 0
    taser->update(30);
    EXPECT_EQ(e->texture, texture("taser_eclaire_2_tex")); // 30
    taser->update(30);
    EXPECT_EQ(e->texture, texture("taser_eclaire_1_tex")); // 60
    for (int i = 0; i < 15; ++i)
        taser->update(30);
    EXPECT_EQ(taser->etat, Taser::TETAT_INACTIF);
    EXPECT_EQ(e->texture, texture("taser_inactif_tex"));
}

}
