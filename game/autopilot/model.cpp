#include "game/autopilot/model.h"

#include "game/autopilot/plans.h"
#include "game/autopilot/pointer.h"
#include "game/entities/Poulet.h"
#include "game/entities/Scie.h"
#include "game/entities/Taser.h"
#include "game/game/zeus.h"

#include <algorithm>
#include <cmath>

namespace pilote {

Danger prevoirScie(const Scie& s, int horizon)
{
    Danger d{s.position.x, true, {}, {}};
    Scie::Cycle c = s.cycle();
    double y = s.position.y;
    for (int j = 0; j <= horizon; ++j) {
        d.y.push_back(y);
        Scie::Pas pas = Scie::avancer(c, world::PAS, s.longueur, s.vitesse, s.iOrientation);
        c = pas.cycle;
        if (pas.bouge)
            y += pas.dy;
    }
    return d;
}

Danger prevoirTaser(const Taser& t, int horizon)
{
    Danger d{t.position.x, false, {}, {}};
    Taser::Cycle c{t.etat, t.dureeEtat};
    for (int j = 0; j <= horizon; ++j) {
        c = Taser::avancer(c, world::PAS);
        d.actif.push_back(c.etat == Taser::TETAT_ACTIF);
    }
    return d;
}

Monde observer(const Zeus& zeus, int horizon)
{
    Monde m;
    m.horizon = horizon;
    m.camX = zeus.fCamCenterX_;
    double arriere = 1e9, avant = -1e9;
    for (auto& entree : zeus.rEntiteMap_) {
        Entitee* e = entree.second;
        if (e->type != ETYPE_POULET || e->aSupprimer)
            continue;
        Poulet* p = static_cast<Poulet*>(e);
        cpBody* b = cpShapeGetBody(p->shape);
        cpVect v = cpBodyGetVel(b);
        double r = p->getTaille();
        m.poules.push_back(Poule{p->position.x, p->position.y, v.x, v.y, r, cpBodyGetMass(b), p->isTase,
                                 static_cast<int>(std::lround((r - world::RAYON_POULET) / world::GRAIN_GROSSIT)), 0,
                                 p->id});
        arriere = std::min(arriere, p->position.x - r);
        avant = std::max(avant, p->position.x + r);
    }
    const size_t MODELE = 12;
    m.modele = m.poules;
    std::sort(m.modele.begin(), m.modele.end(), [](const Poule& a, const Poule& b) { return a.x < b.x; });
    if (m.modele.size() > MODELE) {
        std::vector<Poule> choisis;
        for (size_t k = 0; k < MODELE; ++k)
            choisis.push_back(m.modele[k * (m.modele.size() - 1) / (MODELE - 1)]);
        m.poids = static_cast<double>(m.modele.size()) / MODELE;
        m.modele = choisis;
    }
    // Only what the flock can meet within the horizon.
    double debut = arriere - PORTEE_SCIE - 10, fin = avant + horizon * VMAX * DT + PORTEE_SCIE + 10;
    for (auto& entree : zeus.rEntiteMap_) {
        Entitee* e = entree.second;
        double x = e->position.x;
        if (e->type == ETYPE_SCIE || e->type == ETYPE_TASER)
            m.libre = std::max(m.libre, x + PORTEE_SCIE);
        if (e->aSupprimer || x < debut || x > fin + (e->type == ETYPE_GRAIN || e->type == ETYPE_OEUF) * horizon * TAPIS)
            continue;
        if (e->type == ETYPE_SCIE)
            m.dangers.push_back(prevoirScie(*static_cast<Scie*>(e), horizon));
        else if (e->type == ETYPE_TASER)
            m.dangers.push_back(prevoirTaser(*static_cast<Taser*>(e), horizon));
        else if (e->type == ETYPE_GRAIN || e->type == ETYPE_OEUF)
            m.items.push_back(Item{x, e->position.y, e->type == ETYPE_OEUF});
    }
    std::sort(m.dangers.begin(), m.dangers.end(), [](const Danger& a, const Danger& b) { return a.x < b.x; });
    return m;
}

void pousser(Poule& p, cpVect cible)
{
    if (p.tase >= 0) {
        p.vx = p.vy = 0;
        p.tase = p.tase + world::PAS > world::TASE_MS ? -1 : p.tase + world::PAS;
        return;
    }
    double dx = cible.x - p.x, dy = cible.y - p.y;
    double d = cpvlength(cpv(dx, dy));
    if (d > 0) {
        p.vx += dx / d * POUSSEE / p.m;
        p.vy += dy / d * POUSSEE / p.m;
    }
    static const double amorti = std::pow(PhysicsManager::AMORTI, DT);
    p.vx *= amorti;
    p.vy *= amorti;
    double v = cpvlength(cpv(p.vx, p.vy));
    if (v > VMAX) {
        p.vx *= VMAX / v;
        p.vy *= VMAX / v;
    }
    p.x += p.vx * DT;
    p.y += p.vy * DT;
}

namespace {

// A chicken meets the hazards of frame j: a saw's blade, a taser's line, a taser's box.
void rencontrer(const Monde& m, Poule& p, int j, double perte, char* bloque, double& cout)
{
    for (size_t k = 0; k < m.dangers.size(); ++k) {
        const Danger& d = m.dangers[k];
        double dx = p.x - d.x;
        if (d.scie) {
            double dy = p.y - d.y[j];
            double r = PORTEE_SCIE + p.r;
            if (dx * dx + dy * dy <= r * r) {
                p.etat = 1;
                cout += perte;
            }
            continue;
        }
        if (d.actif[j] && std::fabs(dx) <= p.r + MARGE_TASER) {
            if (p.tase < 0)
                cout += COUT_STUN * m.poids;
            p.tase = 1;
        }
        if (std::fabs(dx) < PORTEE_TASER + p.r && std::fabs(p.y) < BOITE + p.r) {
            if (!bloque[k])
                cout += COUT_BOITE * m.poids;
            bloque[k] = 1;
            p.x = d.x + (dx < 0 ? -1 : 1) * (PORTEE_TASER + p.r);
            p.vx = 0;
        }
    }
}

// A chicken meets the grain and eggs the belt has brought by frame j.
void ramasser(const Monde& m, Poule& p, int j, double perte, std::vector<char>& pris, double& cout)
{
    double decalage = TAPIS * j;
    for (size_t k = 0; k < m.items.size(); ++k) {
        if (pris[k])
            continue;
        const Item& it = m.items[k];
        double dx = p.x - (it.x - decalage), dy = p.y - it.y;
        double r = world::RAYON_GRAIN + p.r + 2;
        if (dx * dx + dy * dy > r * r)
            continue;
        pris[k] = 1;
        // Grain and eggs do not give way: the chicken bounces off.
        double d = cpvlength(cpv(dx, dy));
        double vn = d > 0 ? (p.vx * dx + p.vy * dy) / d : 0;
        if (vn < 0) {
            p.vx -= 1.5 * vn * dx / d;
            p.vy -= 1.5 * vn * dy / d;
        }
        if (it.oeuf) {
            // A big flock is hard enough to steer already.
            if (m.poules.size() < 8)
                cout -= GAIN_OEUF;
            else
                cout += GAIN_OEUF / 4;
        } else {
            ++p.grains;
            p.r += world::GRAIN_GROSSIT;
            p.m *= world::GRAIN_ALOURDIT;
            cout += p.r > world::TAILLE_MAX ? perte : COUT_GRAIN * p.grains * m.poids;
            if (p.r > world::TAILLE_MAX)
                p.etat = 1;
        }
    }
}

}

double evaluer(const Monde& m, const Plan& plan)
{
    std::vector<Poule> poules = m.modele;
    std::vector<char> pris(m.items.size(), 0);
    std::vector<char> bloque(poules.size() * m.dangers.size(), 0);
    double cout = 0;
    double camX = m.camX;
    for (int j = 0; j <= m.horizon; ++j) {
        for (size_t i = 0; i < poules.size(); ++i) {
            Poule& p = poules[i];
            if (p.etat != 0)
                continue;
            const double perte = (p.r > TROP_GROS ? 0.1 : 1) * m.perte * m.poids;
            rencontrer(m, p, j, perte, bloque.data() + i * m.dangers.size(), cout);
            if (p.etat != 0)
                continue;
            ramasser(m, p, j, perte, pris, cout);
            if (std::fabs(p.y) > 175)
                cout += (std::fabs(p.y) - 175) * m.poids;
            if (std::fabs(p.y) > world::DEMI_LARGEUR - 4 || p.x < world::BORD_DEBUT) {
                p.etat = 1;
                cout += perte;
            } else if (p.x >= world::ARRIVEE) {
                p.etat = 2;
                cout -= (m.horizon - j) * VMAX * DT * m.poids;
            }
        }
        if (j == m.horizon)
            break;
        cpVect cible = pointeur(poules, m.poules.size(), plan, camX, m.libre, j, m.items, pris);
        double somme = 0;
        int n = 0;
        for (Poule& p : poules) {
            if (p.etat != 0)
                continue;
            pousser(p, cible);
            somme += p.x;
            ++n;
        }
        if (n > 0) {
            // The camera follows the flock at most 12 units a frame, up to its stop.
            double ecart = std::clamp(somme / n - camX, -12.0, 12.0);
            camX = std::min(camX + ecart, static_cast<double>(world::CAMERA_LIMITE));
        }
    }
    for (size_t i = 0; i < poules.size(); ++i)
        if (poules[i].etat != 1)
            cout -= (std::min(poules[i].x, world::ARRIVEE) - m.modele[i].x) * m.poids;
    return cout;
}

}
