#pragma once
// The entity factory: element by name, body and shape, entity bound to the director.
#include "game/entities/Barre.h"
#include "game/entities/Entitee.h"
#include "game/entities/EntiteeTombe.h"
#include "game/entities/Grain.h"
#include "game/entities/Oeuf.h"
#include "game/entities/Piston.h"
#include "game/entities/Poulet.h"
#include "game/entities/PouletTombe.h"
#include "game/entities/Sang.h"
#include "game/entities/Scie.h"
#include "game/entities/Taser.h"

class XMANAGER;
class Zeus;

class Gaya {
public:
    static void init(Zeus* zeus, XMANAGER* lemanager);

    // Every entity is made at (0, 0); the caller places it and hands it to the director.
    static Poulet* getPoulet();
    static PouletTombe* getPouletTombe(bool haut);
    static Scie* getScie();
    static Taser* getTaser();
    static Piston* getPiston();
    static Barre* getBarre();
    static Grain* getGrain();
    static Oeuf* getOeuf();
    static Sang* getSang();
    static EntiteeTombe* getEntiteeTombante(ETYPE type);

    static Zeus* zeus;
    static XMANAGER* lemanager;
};
