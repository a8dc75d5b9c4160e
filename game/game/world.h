#pragma once
// The world's numbers: the frame, the belt, the chickens' push and bounds, the
// bodies' sizes. The entities, the director, the camera, the decor and the
// autopilot's model read them here. The physics space's damping and step are
// the engine's: PhysicsManager::AMORTI and PhysicsManager::PAS.

namespace world {

// Game milliseconds per frame.
constexpr int PAS = 30;

// The belt runs along x from its start to the finish, DEMI_LARGEUR either side
// of y = 0; past BORD_DEBUT a chicken falls off the start.
constexpr double ARRIVEE = 8000;
constexpr double DEMI_LARGEUR = 200;
constexpr double BORD_DEBUT = -40;
// No hazard is laid past this x.
constexpr int FIN_OBSTACLES = 7500;
// Where the camera stops, the finish in view.
constexpr float CAMERA_LIMITE = 7600;
// How far the belt carries grain, eggs and blood back per ms.
constexpr float TAPIS_PAR_MS = 0.05f;

// Each frame a chicken is pushed towards the pointer by t ms times this, up to
// the speed limit; a stunned one stands still until past TASE_MS.
constexpr double POUSSEE_PAR_MS = 0.1;
constexpr double VITESSE_MAX = 150;
constexpr int TASE_MS = 1999;

// Sizes: radii of the bodies, the taser's box along and across the belt.
constexpr double RAYON_POULET = 10;
constexpr double RAYON_SCIE = 50;
constexpr double RAYON_GRAIN = 10;
constexpr double TASER_EPAISSEUR = 10;
constexpr double TASER_LONGUEUR = 200;
// A grain makes a chicken this much wider and heavier; past TAILLE_MAX it dies.
constexpr float GRAIN_GROSSIT = 10;
constexpr double GRAIN_ALOURDIT = 1.3;
constexpr float TAILLE_MAX = 150;

}
