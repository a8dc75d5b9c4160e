#pragma once
// The player's own numbers: how far ahead it looks, how wide a berth it keeps,
// what it counts a loss. The world's numbers are in game/game/world.h.
#include "engine/physics/physics.h"
#include "game/game/world.h"

namespace pilote {

// The world as the model moves it, per frame.
constexpr double DT = 1.0 / PhysicsManager::FREQUENCE;
constexpr double VMAX = world::VITESSE_MAX;
constexpr double POUSSEE = world::PAS * world::POUSSEE_PAR_MS;
constexpr double TAPIS = world::PAS * world::TAPIS_PAR_MS;

constexpr int HORIZON = 150;
// At the hardest level the saws stand so close that no flock passes their
// clusters together: the player saves one chicken, the front one, and looks
// further ahead for it, as one chicken is cheap to look ahead for.
constexpr float DIFFICULTE_MENEUR = 1.0f;
constexpr int HORIZON_MENEUR = 200;
constexpr int CHOIX_TOUS = 4;
constexpr double MARGE_SCIE = 10;
constexpr double MARGE_TASER = 4;
constexpr double PORTEE_SCIE = world::RAYON_SCIE + MARGE_SCIE;
constexpr double PORTEE_TASER = world::TASER_EPAISSEUR / 2 + MARGE_TASER;
// Half the taser's box across the belt: a chicken further out passes it.
constexpr double BOITE = world::TASER_LONGUEUR / 2;
constexpr double VOTE = 200;
// A chicken's wish counts for more the further its velocity is from the one it wants.
constexpr double VOEU_BASE = 0.1;
constexpr double VOEU_PLEIN = 100;
constexpr double COHESION = 120;
// Grain this far ahead in x, and this close across, is stepped round.
constexpr double ESQUIVE_X = 80;
constexpr double ESQUIVE_Y = 6;
// Too fat to pass a taser's box and live: the flock goes on without it.
constexpr double TROP_GROS = 60;
// Room, past a chicken's width, to change lanes between a hazard and a taser's box.
constexpr double ECART_TASER = 60;
// A chicken that has eaten a grain, for choices made for the whole flock.
constexpr double LARGEUR_POULE = 40;

constexpr double COUT_PERTE = 5000;
constexpr double COUT_STUN = 300;
constexpr double COUT_BOITE = 300;
// Each grain makes a chicken heavier, so slower to turn, and wider in the lanes:
// at the harder levels that decides later crossings the look-ahead cannot see.
constexpr double COUT_GRAIN = 400;
constexpr double GAIN_OEUF = 400;

}
