#include "game/autopilot/plans.h"

#include "game/autopilot/model.h"

#include <algorithm>

namespace pilote {

bool boiteDerriere(const Plan& plan, int k, double largeur)
{
    return k + 1 < plan.n && plan.taser[k + 1] && plan.debut[k + 1] - plan.fin[k] < largeur + ECART_TASER;
}

std::vector<Plan> plans(const Monde& m)
{
    double arriere = 1e9, avant = -1e9;
    for (const Poule& p : m.poules) {
        arriere = std::min(arriere, p.x - p.r);
        avant = std::max(avant, p.x + p.r);
    }
    Plan base;
    std::vector<std::vector<float>> voies;
    for (const Danger& d : m.dangers) {
        double portee = d.scie ? PORTEE_SCIE : PORTEE_TASER;
        if (d.x + portee < arriere)
            continue;
        if (d.x - portee > avant + m.horizon * VMAX * DT || base.n == Plan::HAZARDS)
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
    std::vector<Plan> tous;
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
            Plan p = base;
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

namespace {

// A player keeps to a choice: changing lanes half-way loses more than it gains.
double constance(const Plan& avant, const Plan& p)
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

Plan choisir(const Monde& m, const Plan& suivi)
{
    double meilleur = 1e18;
    Plan choisi = suivi;
    for (const Plan& p : plans(m)) {
        double c = evaluer(m, p) - constance(suivi, p);
        if (c < meilleur) {
            meilleur = c;
            choisi = p;
        }
    }
    return choisi;
}

}
