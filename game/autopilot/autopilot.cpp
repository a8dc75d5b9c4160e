#include "game/autopilot/autopilot.h"

#include "game/autopilot/model.h"
#include "game/autopilot/pointer.h"
#include "game/game/zeus.h"

#include <algorithm>
#include <cmath>

using namespace pilote;

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
    if (frame_++ % CHOIX_TOUS == 0)
        plan_ = choisir(m, plan_);
    cpVect cible =
        pointeur(m.poules, m.poules.size(), plan_, m.camX, m.libre, 0, m.items, std::vector<char>(m.items.size(), 0));
    x = std::clamp(static_cast<int>(std::lround(cible.x - m.camX + 400)), 0, 799);
    y = std::clamp(static_cast<int>(std::lround(300 - cible.y)), 0, 599);
}
