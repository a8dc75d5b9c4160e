#include "game/entities/Scie.h"

#include "engine/manager/element3d.h"
#include "engine/manager/xmanager.h"
#include "game/entities/Poulet.h"
#include "game/game/contacts.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "game/utils/son.h"

#include <cmath>

Scie::Scie(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape, float difficulty)
    : Entitee(deus, e, etype, cpshape), longueur(0), vitesse(0), parcouru(0), etat(ETAT_RENTREE), dureeEtat(0),
      iOrientation(1), fRotation(0), rBarre(nullptr)
{
    longueur = gameRand() % 300 + 100;
    rBarre = Gaya::lemanager ? Gaya::lemanager->getelement3d("barre") : nullptr;
    float vMin = static_cast<float>(difficulty * 0.15 + 0.05);
    float vMax = static_cast<float>(difficulty * 0.3 + 0.1);
    vitesse = static_cast<float>((vMax - vMin) * (gameRand() / 32767.0) + vMin);
    iOrientation = (gameRand() % 2) * 2 - 1;
}

void Scie::deplacer(float dy)
{
    setXY(static_cast<float>(position.x), static_cast<float>(position.y) + dy);
}

void Scie::update(int t)
{
    fRotation += t * 0.005f;
    Entitee::update(t);
    trancherPoulets();

    Pas pas = avancer(cycle(), t, longueur, vitesse, iOrientation);
    etat = pas.cycle.etat;
    dureeEtat = pas.cycle.dureeEtat;
    parcouru = pas.cycle.parcouru;
    if (pas.bouge)
        deplacer(pas.dy);
}

Scie::Pas Scie::avancer(Cycle c, int t, int longueur, float vitesse, int iOrientation)
{
    Pas p{c, false, 0};
    Cycle& n = p.cycle;
    float duree = longueur / vitesse;
    switch (c.etat) {
    case ETAT_RENTREE:
        if (t + c.dureeEtat >= 3000) {
            n = {ETAT_ETEND, 0, 0};
        } else {
            n.dureeEtat += t;
        }
        break;
    case ETAT_ETEND:
        p.bouge = true;
        if (t + c.dureeEtat >= duree) {
            // The last step covers whatever remains, so the saw stands exactly out.
            p.dy = iOrientation * (longueur - c.parcouru);
            n = {ETAT_ETENDUE, 0, static_cast<float>(longueur)};
        } else {
            n.parcouru += t * vitesse;
            p.dy = iOrientation * t * vitesse;
            n.dureeEtat += t;
        }
        break;
    case ETAT_ETENDUE:
        if (t + c.dureeEtat >= 1000) {
            n = {ETAT_RENTRE, 0, c.parcouru};
        } else {
            n.dureeEtat += t;
        }
        break;
    case ETAT_RENTRE:
        p.bouge = true;
        if (t + c.dureeEtat >= duree) {
            p.dy = -iOrientation * c.parcouru;
            n = {ETAT_RENTREE, 0, 0};
        } else {
            n.dureeEtat += t;
            n.parcouru -= t * vitesse;
            p.dy = -iOrientation * t * vitesse;
        }
        break;
    }
    return p;
}

void Scie::afficher()
{
    D3DXMATRIXA16 rotation, translation, m;
    D3DXMatrixTranslation(&translation, static_cast<float>(position.x), static_cast<float>(position.y), 0);
    if (elem) {
        D3DXMatrixRotationZ(&rotation, fRotation);
        D3DXMatrixMultiply(&m, &rotation, &translation);
        elem->afficher(&m);
    }
    if (rBarre) {
        // The arm always points away from the belt.
        D3DXMatrixRotationZ(&rotation, static_cast<float>((0.5 + 0.5 * iOrientation) * M_PI));
        D3DXMatrixMultiply(&m, &rotation, &translation);
        rBarre->afficher(&m);
    }
}

void Scie::trancherPoulets()
{
    float rayon = getTaille();
    for (Poulet* poulet : zeus->pouletsProches_.candidats(position, rayon, PouletsProches::Forme::Cercle)) {
        if (toucheCercle(position, poulet->position, rayon + poulet->getTaille())) {
            zeus->signalerFin(poulet, Evenement::MortScie);
            poulet->mourir();
            zeus->signaler(Evenement::SonScie);
            SON::jouerSprotch();
        }
    }
}
