#include "game/game/autopilot.h"

#include "game/entities/Poulet.h"
#include "game/entities/Scie.h"
#include "game/entities/Taser.h"
#include "game/game/zeus.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The world's own figures (physics step, push, speed limit, belt), per frame of 30 ms.
const double DT = 1.0 / 60;
const double VMAX = 150;
const double POUSSEE = 3;
const double DEMI_LARGEUR = 200;
const double ARRIVEE = 8000;
const double TAPIS = 1.5;
const int PAS = 30;

// The player's own: how far ahead it looks, how often it chooses, how wide a berth.
const int HORIZON = 150;
// At the hardest level the saws stand so close that no flock passes their
// clusters together: the player saves one chicken, the front one, and looks
// further ahead for it, as one chicken is cheap to look ahead for.
const float DIFFICULTE_MENEUR = 1.0f;
const int HORIZON_MENEUR = 200;
const int CHOIX_TOUS = 4;
const double MARGE_SCIE = 10;
const double MARGE_TASER = 4;
const double PORTEE_SCIE = 50 + MARGE_SCIE;
const double PORTEE_TASER = 5 + MARGE_TASER;
const double VOTE = 200;
// A chicken's wish counts for more the further its velocity is from the one it wants.
const double VOEU_BASE = 0.1;
const double VOEU_PLEIN = 100;
const double COHESION = 120;
// Grain this far ahead in x, and this close across, is stepped round.
const double ESQUIVE_X = 80;
const double ESQUIVE_Y = 6;
// Too fat to pass a taser's box and live: the flock goes on without it.
const double TROP_GROS = 60;
// Room, past a chicken's width, to change lanes between a hazard and a taser's box.
const double ECART_TASER = 60;
// A chicken that has eaten a grain, for choices made for the whole flock.
const double LARGEUR_POULE = 40;

const double COUT_PERTE = 5000;
const double COUT_STUN = 300;
const double COUT_BOITE = 300;
// Each grain makes a chicken heavier, so slower to turn, and wider in the lanes:
// at the harder levels that decides later crossings the look-ahead cannot see.
const double COUT_GRAIN = 400;
const double GAIN_OEUF = 400;

struct Poule {
    double x, y, vx, vy, r, m;
    int tase;
    int grains;
    int etat; // 0 on the belt, 1 lost, 2 finished
    int id;
};

struct Danger {
    double x;
    bool scie;
    // Per frame from now: the saw's y when it cuts, or whether the taser stuns.
    std::vector<double> y;
    std::vector<char> actif;
};

struct Item {
    double x, y;
    bool oeuf;
};

struct Monde {
    int horizon = HORIZON;
    // What losing a chicken costs: less after a long wait, as a player who
    // has waited long enough takes a chance.
    double perte = COUT_PERTE;
    std::vector<Poule> poules;
    // The chickens the plans are tried on: all of a small flock, a few spread
    // along a big one, each standing for `poids` chickens.
    std::vector<Poule> modele;
    double poids = 1;
    std::vector<Danger> dangers;
    std::vector<Item> items;
    double camX;
    // Past this x no hazard stands: a chicken there runs for the finish.
    double libre = 0;
};

// The saw's state machine, run ahead on a copy.
void avancerScie(Scie::ETAT& etat, float& duree, float& parcouru, double& y, int longueur, float vitesse, int o)
{
    float total = longueur / vitesse;
    switch (etat) {
    case Scie::ETAT_RENTREE:
        if (PAS + duree >= 3000) {
            etat = Scie::ETAT_ETEND;
            duree = 0;
            parcouru = 0;
        } else {
            duree += PAS;
        }
        break;
    case Scie::ETAT_ETEND:
        if (PAS + duree >= total) {
            y += o * (longueur - parcouru);
            etat = Scie::ETAT_ETENDUE;
            duree = 0;
            parcouru = static_cast<float>(longueur);
        } else {
            parcouru += PAS * vitesse;
            y += o * PAS * vitesse;
            duree += PAS;
        }
        break;
    case Scie::ETAT_ETENDUE:
        if (PAS + duree >= 1000) {
            etat = Scie::ETAT_RENTRE;
            duree = 0;
        } else {
            duree += PAS;
        }
        break;
    case Scie::ETAT_RENTRE:
        if (PAS + duree >= total) {
            y -= o * parcouru;
            etat = Scie::ETAT_RENTREE;
            duree = 0;
            parcouru = 0;
        } else {
            duree += PAS;
            parcouru -= PAS * vitesse;
            y -= o * PAS * vitesse;
        }
        break;
    }
}

Danger prevoirScie(const Scie& s, int horizon)
{
    Danger d{s.position.x, true, {}, {}};
    Scie::ETAT etat = s.etat;
    float duree = s.dureeEtat, parcouru = s.parcouru;
    double y = s.position.y;
    for (int j = 0; j <= horizon; ++j) {
        d.y.push_back(y);
        avancerScie(etat, duree, parcouru, y, s.longueur, s.vitesse, s.iOrientation);
    }
    return d;
}

Danger prevoirTaser(const Taser& t, int horizon)
{
    Danger d{t.position.x, false, {}, {}};
    Taser::TETAT etat = t.etat;
    int duree = t.dureeEtat;
    for (int j = 0; j <= horizon; ++j) {
        duree += PAS;
        if (etat == Taser::TETAT_INACTIF && duree >= 5000) {
            etat = Taser::TETAT_PREPARATION;
            duree = 0;
        } else if (etat == Taser::TETAT_PREPARATION && duree >= 1000) {
            etat = Taser::TETAT_ACTIF;
            duree = 0;
        } else if (etat == Taser::TETAT_ACTIF && duree >= 500) {
            etat = Taser::TETAT_INACTIF;
            duree = 0;
        }
        d.actif.push_back(etat == Taser::TETAT_ACTIF);
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
                                 static_cast<int>(std::lround((r - 10) / 10)), 0, p->id});
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

// A point of the belt kept inside the 800 x 600 view centred on camX.
cpVect dansVue(double x, double y, double camX)
{
    return cpv(std::clamp(x, camX - 399.0, camX + 398.0), std::clamp(y, -298.0, 299.0));
}

double freinage(double distance, double masse)
{
    // The speed from which a chicken still stops within `distance`, with some slack.
    double a = POUSSEE / DT / masse * 0.7;
    double v = std::sqrt(2 * a * std::fabs(distance));
    return std::copysign(std::min(VMAX, v), distance);
}

// Whether a taser's box begins right behind hazard k, too close for a chicken
// `largeur` wide to change lanes between the two.
bool boiteDerriere(const Autopilot::Plan& plan, int k, double largeur)
{
    return k + 1 < plan.n && plan.taser[k + 1] && plan.debut[k + 1] - plan.fin[k] < largeur + ECART_TASER;
}

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

// The controller every plan shares: each free chicken wants a velocity (along
// its lane, braking for the waiting line, not running away from the rearmost,
// stepping round grain), `j` frames ahead; the pointer goes where it serves
// their wishes best. Chickens too fat to pass a taser are left behind.
cpVect pointeur(const std::vector<Poule>& poules, size_t taille, const Autopilot::Plan& plan, double camX,
               double libre, int j, const std::vector<Item>& items, const std::vector<char>& pris)
{
    double arriere = 1e9;
    for (const Poule& p : poules)
        if (p.etat == 0 && p.r <= TROP_GROS)
            arriere = std::min(arriere, p.x);
    if (arriere == 1e9) {
        // Only hopeless chickens left: off the nearest edge, for a fresh group.
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
            voie = std::copysign(std::min(185.0, std::max(std::fabs(voie), 100 + p.r + 12)), voie);
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
        if (prochain < plan.n && plan.taser[prochain] && std::fabs(p.y) < 100 + p.r + 6 &&
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
            double portee = p.r + 10 + ESQUIVE_Y;
            if (dx < -p.r - 10 || dx > p.r + 10 + ESQUIVE_X || std::fabs(dy) > portee)
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

void pousser(Poule& p, cpVect cible)
{
    if (p.tase >= 0) {
        p.vx = p.vy = 0;
        p.tase = p.tase + PAS > 1999 ? -1 : p.tase + PAS;
        return;
    }
    double dx = cible.x - p.x, dy = cible.y - p.y;
    double d = cpvlength(cpv(dx, dy));
    if (d > 0) {
        p.vx += dx / d * POUSSEE / p.m;
        p.vy += dy / d * POUSSEE / p.m;
    }
    static const double amorti = std::pow(0.95, DT);
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

// What the plan costs over the horizon: chickens lost, stunned, blocked or fed,
// eggs taken, against the ground the flock covers.
double evaluer(const Monde& m, const Autopilot::Plan& plan)
{
    std::vector<Poule> poules = m.modele;
    std::vector<char> pris(m.items.size(), 0);
    std::vector<char> bloque(poules.size() * m.dangers.size(), 0);
    double cout = 0;
    double camX = m.camX;
    for (int j = 0; j <= m.horizon; ++j) {
        double decalage = TAPIS * j;
        for (size_t i = 0; i < poules.size(); ++i) {
            Poule& p = poules[i];
            if (p.etat != 0)
                continue;
            const double perte = (p.r > TROP_GROS ? 0.1 : 1) * m.perte * m.poids;
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
                } else {
                    if (d.actif[j] && std::fabs(dx) <= p.r + MARGE_TASER) {
                        if (p.tase < 0)
                            cout += COUT_STUN * m.poids;
                        p.tase = 1;
                    }
                    if (std::fabs(dx) < PORTEE_TASER + p.r && std::fabs(p.y) < 100 + p.r) {
                        char& b = bloque[i * m.dangers.size() + k];
                        if (!b)
                            cout += COUT_BOITE * m.poids;
                        b = 1;
                        p.x = d.x + (dx < 0 ? -1 : 1) * (PORTEE_TASER + p.r);
                        p.vx = 0;
                    }
                }
            }
            if (p.etat != 0)
                continue;
            for (size_t k = 0; k < m.items.size(); ++k) {
                if (pris[k])
                    continue;
                const Item& it = m.items[k];
                double dx = p.x - (it.x - decalage), dy = p.y - it.y;
                double r = 10 + p.r + 2;
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
                    p.r += 10;
                    p.m *= 1.3;
                    cout += p.r > 150 ? perte : COUT_GRAIN * p.grains * m.poids;
                    if (p.r > 150)
                        p.etat = 1;
                }
            }
            if (std::fabs(p.y) > 175)
                cout += (std::fabs(p.y) - 175) * m.poids;
            if (std::fabs(p.y) > DEMI_LARGEUR - 4 || p.x < -40) {
                p.etat = 1;
                cout += perte;
            } else if (p.x >= ARRIVEE) {
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
            double ecart = std::clamp(somme / n - camX, -12.0, 12.0);
            camX = std::min(camX + ecart, 7600.0);
        }
    }
    for (size_t i = 0; i < poules.size(); ++i)
        if (poules[i].etat != 1)
            cout -= (std::min(poules[i].x, ARRIVEE) - m.modele[i].x) * m.poids;
    return cout;
}

// Every plan over the next hazards: a lane for each (two around a taser's box,
// three past a saw), waiting before none or before one of them.
std::vector<Autopilot::Plan> plans(const Monde& m)
{
    double arriere = 1e9, avant = -1e9;
    for (const Poule& p : m.poules) {
        arriere = std::min(arriere, p.x - p.r);
        avant = std::max(avant, p.x + p.r);
    }
    Autopilot::Plan base;
    std::vector<std::vector<float>> voies;
    for (const Danger& d : m.dangers) {
        double portee = d.scie ? PORTEE_SCIE : PORTEE_TASER;
        if (d.x + portee < arriere)
            continue;
        if (d.x - portee > avant + m.horizon * VMAX * DT || base.n == Autopilot::Plan::HAZARDS)
            break;
        base.debut[base.n] = static_cast<float>(d.x - portee);
        base.centre[base.n] = static_cast<float>(d.x);
        base.fin[base.n] = static_cast<float>(d.x + portee);
        voies.push_back(d.scie ? std::vector<float>{-125, 0, 125} : std::vector<float>{-140, 140});
        base.taser[base.n] = !d.scie;
        ++base.n;
        // The middle of the belt past a saw leads into such a box.
        int k = base.n - 2;
        if (k >= 0 && !base.taser[k] && boiteDerriere(base, k, LARGEUR_POULE))
            voies[k] = {-125, 125};
    }
    // The flock packed in a lane about 100 wide: a gap shorter than that cannot hold it.
    double surface = 0;
    for (const Poule& p : m.poules)
        surface += 5 * p.r * p.r;
    double longueur = surface / 100 + 20;
    std::vector<Autopilot::Plan> tous;
    if (base.n == 0) {
        for (float v : {-140.0f, 0.0f, 140.0f}) {
            base.voieLibre = v;
            tous.push_back(base);
        }
        return tous;
    }
    for (int arret = -1; arret < base.n; ++arret) {
        if (arret > 0 && base.debut[arret] - base.fin[arret - 1] < longueur)
            continue;
        // Lanes past the waiting line do not matter within the horizon.
        int libres = arret < 0 ? base.n : arret + 1;
        std::vector<size_t> choix(libres, 0);
        while (true) {
            Autopilot::Plan p = base;
            p.arret = arret;
            for (int k = 0; k < base.n; ++k)
                p.voie[k] = k < libres ? voies[k][choix[k]] : p.voie[k - 1];
            p.voieLibre = p.voie[base.n - 1];
            tous.push_back(p);
            int k = 0;
            while (k < libres && ++choix[k] == voies[k].size())
                choix[k++] = 0;
            if (k == libres)
                break;
        }
    }
    return tous;
}

// A player keeps to a choice: changing lanes half-way loses more than it gains.
double constance(const Autopilot::Plan& avant, const Autopilot::Plan& p)
{
    double bonus = 0;
    for (int k = 0; k < p.n; ++k)
        for (int i = 0; i < avant.n; ++i)
            if (avant.centre[i] == p.centre[k] && avant.voie[i] == p.voie[k])
                bonus += 150;
    bool attendait = avant.arret >= 0, attend = p.arret >= 0;
    if (attendait == attend && (!attend || avant.centre[avant.arret] == p.centre[p.arret]))
        bonus += 50;
    return bonus;
}

}

void Autopilot::piloter(const Zeus& zeus, int& x, int& y)
{
    bool seul = zeus.fDifficultee_ >= DIFFICULTE_MENEUR;
    Monde m = observer(zeus, seul ? HORIZON_MENEUR : HORIZON);
    if (m.poules.empty()) {
        x = 400;
        y = 300;
        frame_ = 0;
        record_ = 0;
        attente_ = 0;
        meneur_ = -1;
        return;
    }
    double avant = -1e9;
    for (const Poule& p : m.poules)
        avant = std::max(avant, p.x);
    if (avant > record_ + 50) {
        record_ = avant;
        attente_ = 0;
    } else {
        ++attente_;
    }
    if (seul) {
        // The same chicken while it lasts and can pass a taser's box; then the front one.
        const Poule* choisi = nullptr;
        for (const Poule& p : m.poules)
            if (p.r <= TROP_GROS && p.id == meneur_)
                choisi = &p;
        if (!choisi)
            for (const Poule& p : m.poules)
                if (p.r <= TROP_GROS && (!choisi || p.x > choisi->x))
                    choisi = &p;
        if (choisi) {
            meneur_ = choisi->id;
            m.poules = {*choisi};
            m.modele = m.poules;
            m.poids = 1;
        }
    }
    m.perte = COUT_PERTE / (1 + attente_ / 300.0);
    if (frame_++ % CHOIX_TOUS == 0) {
        double meilleur = 1e18;
        const Plan suivi = plan_;
        for (const Plan& p : plans(m)) {
            double c = evaluer(m, p) - constance(suivi, p);
            if (c < meilleur) {
                meilleur = c;
                plan_ = p;
            }
        }
    }
    cpVect cible =
        pointeur(m.poules, m.poules.size(), plan_, m.camX, m.libre, 0, m.items, std::vector<char>(m.items.size(), 0));
    x = std::clamp(static_cast<int>(std::lround(cible.x - m.camX + 400)), 0, 799);
    y = std::clamp(static_cast<int>(std::lround(300 - cible.y)), 0, 599);
}
