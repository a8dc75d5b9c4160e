#include "game/autopilot/pointer.h"

#include <algorithm>
#include <cmath>

namespace pilote {

cpVect dansVue(double x, double y, double camX)
{
    return cpv(std::clamp(x, camX - 399.0, camX + 398.0), std::clamp(y, -298.0, 299.0));
}

double freinage(double distance, double masse)
{
    // With some slack.
    double a = POUSSEE / DT / masse * 0.7;
    double v = std::sqrt(2 * a * std::fabs(distance));
    return std::copysign(std::min(VMAX, v), distance);
}

namespace {

// Where the pointer serves the chickens' wishes best: each chicken is pushed
// straight at the pointer, so the point is chosen among those that would push
// one of them exactly as it wishes (or the wishes' average), by how well the
// push matches every wish. A chicken far behind the others is served too,
// which a mere average of wishes would leave pressed against a taser's box.
struct Voeu {
    double x, y, ux, uy, poids;
};

cpVect servir(const std::vector<Voeu>& voeux, cpVect moyenne, double camX)
{
    // cpvlength, not hypot, throughout: the look-ahead takes millions of lengths
    // per choice, and hypot costs several times as much.
    auto accord = [&](double cx, double cy) {
        double t = 0;
        for (const Voeu& v : voeux) {
            double dx = cx - v.x, dy = cy - v.y, d = cpvlength(cpv(dx, dy));
            if (d > 0)
                t += v.poids * (dx * v.ux + dy * v.uy) / d;
        }
        return t;
    };
    cpVect mieux = moyenne;
    double meilleur = accord(moyenne.x, moyenne.y);
    for (const Voeu& v : voeux)
        for (double portee : {60.0, 200.0}) {
            cpVect c = dansVue(v.x + portee * v.ux, v.y + portee * v.uy, camX);
            double t = accord(c.x, c.y);
            if (t > meilleur + 1e-9) {
                meilleur = t;
                mieux = c;
            }
        }
    return mieux;
}

// Only hopeless chickens left: off the nearest edge, for a fresh group.
cpVect abandonner(const std::vector<Poule>& poules, double camX)
{
    double sx = 0, sy = 0, n = 0;
    for (const Poule& p : poules)
        if (p.etat == 0) {
            sx += p.x;
            sy += p.y;
            ++n;
        }
    if (n == 0)
        return cpv(camX, 0);
    return dansVue(sx / n, sy >= 0 ? 299.0 : -298.0, camX);
}

}

cpVect pointeur(const std::vector<Poule>& poules, size_t taille, const Plan& plan, double camX, double libre, int j,
                const std::vector<Item>& items, const std::vector<char>& pris)
{
    double arriere = 1e9;
    for (const Poule& p : poules)
        if (p.etat == 0 && p.r <= TROP_GROS)
            arriere = std::min(arriere, p.x);
    if (arriere == 1e9)
        return abandonner(poules, camX);
    // A waiting flock piles up and pushes its front forward: the bigger, the further back.
    double recul = 4 + std::min(40.0, 3.0 * taille);
    double sx = 0, sy = 0, n = 0;
    std::vector<Voeu> voeux;
    voeux.reserve(poules.size());
    for (const Poule& p : poules) {
        if (p.etat != 0 || p.tase >= 0 || p.r > TROP_GROS)
            continue;
        double voie = plan.voieLibre;
        int prochain = plan.n;
        for (int k = 0; k < plan.n && prochain == plan.n; ++k) {
            voie = plan.voie[k];
            if (p.x - p.r < plan.fin[k])
                prochain = k;
        }
        // The chicken would meet such a box before it got past the hazard in its
        // lane, so past the hazard's centre it takes the taser's.
        if (boiteDerriere(plan, prochain, 2 * p.r) && p.x > plan.centre[prochain]) {
            ++prochain;
            voie = plan.voie[prochain];
        }
        // A fat chicken needs the outer part of the lane to pass a taser's box.
        if (prochain < plan.n && plan.taser[prochain])
            voie = std::copysign(std::min(185.0, std::max(std::fabs(voie), BOITE + p.r + 12)), voie);
        double vx = VMAX;
        if (plan.arret >= 0 && p.x < plan.centre[plan.arret]) {
            // Close to the hazard, but not back in the one before.
            int k = plan.arret;
            double attente = plan.debut[k] - p.r - recul;
            if (k > 0)
                attente = std::min(plan.debut[k] - p.r - 2, std::max(attente, (plan.fin[k - 1] + plan.debut[k]) / 2.0));
            vx = freinage(attente - p.x, p.m);
        }
        // Not in a lane yet: wait short of the taser's box rather than run into it.
        if (prochain < plan.n && plan.taser[prochain] && std::fabs(p.y) < BOITE + p.r + 6 &&
            p.x < plan.centre[prochain])
            vx = std::min(vx, freinage(plan.debut[prochain] - p.r - 6 - p.x, p.m));
        double avance = p.x - arriere - COHESION;
        if (avance > 0 && p.x - p.r < libre)
            vx = std::min(vx, std::max(0.0, VMAX - 3 * avance));
        double vy = freinage(voie - p.y, p.m);
        // Where the chicken's sideways run would end if turned now: too near an
        // edge, it turns back first and counts for more than the others.
        double bord = std::fabs(p.y + p.vy * std::fabs(p.vy) / (2 * POUSSEE / DT / p.m * 0.8)) - 160;
        double w = 1;
        // Grain coming down the lane: step aside.
        for (size_t k = 0; k < items.size(); ++k) {
            const Item& it = items[k];
            if (it.oeuf || pris[k])
                continue;
            double dx = it.x - TAPIS * j - p.x, dy = it.y - p.y;
            double portee = p.r + world::RAYON_GRAIN + ESQUIVE_Y;
            if (dx < -p.r - world::RAYON_GRAIN || dx > p.r + world::RAYON_GRAIN + ESQUIVE_X ||
                std::fabs(dy) > portee)
                continue;
            double cote = dy > 0 ? -1 : 1;
            if (std::fabs(p.y + cote * portee) > 170)
                cote = -cote;
            vy = cote * VMAX;
            w += 2;
            break;
        }
        if (bord > 0) {
            vy = -std::copysign(VMAX, p.y);
            w += bord * bord / 25;
        }
        double norme = cpvlength(cpv(vx, vy));
        if (norme > VMAX) {
            vx *= VMAX / norme;
            vy *= VMAX / norme;
        }
        double ax = vx - p.vx, ay = vy - p.vy;
        double a = cpvlength(cpv(ax, ay));
        sx += p.x * w;
        sy += p.y * w;
        if (a > 1) {
            sx += VOTE * ax / a * w;
            sy += VOTE * ay / a * w;
            voeux.push_back(Voeu{p.x, p.y, ax / a, ay / a, w * (VOEU_BASE + std::min(1.0, a / VOEU_PLEIN))});
        }
        n += w;
    }
    if (n == 0)
        return cpv(camX, 0);
    cpVect moyenne = dansVue(sx / n, sy / n, camX);
    return voeux.size() > 1 ? servir(voeux, moyenne, camX) : moyenne;
}

}
