#include "game/game/camerafollow.h"

#include "engine/physics/physics.h"
#include "game/entities/Poulet.h"
#include "game/game/gaya.h"
#include "game/game/zeus.h"

void CameraFollow::suivre(Zeus* zeus, float fDifficultee)
{
    float fNewCamCenterX = 0;
    float fNewCamCenterY = 0;
    iNbPoulets = 0;
    bGroupeCree = false;
    for (auto& entree : zeus->rEntiteMap_) {
        Entitee* e = entree.second;
        if (e->type == ETYPE_POULET) {
            fNewCamCenterX += e->position.x;
            fNewCamCenterY += e->position.y;
            ++iNbPoulets;
        }
    }
    if (iNbPoulets >= 1) {
        fNewCamCenterX /= iNbPoulets;
        fNewCamCenterY /= iNbPoulets;
    } else if (fCamCenterX == 0 && fCamCenterY == 0 && fDifficultee != -1.0f) {
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 2; ++j) {
                Poulet* poulet = Gaya::getPoulet();
                poulet->setXY(static_cast<float>((i - 1) * 60 + 200), static_cast<float>((j - 1) * 60));
                zeus->addEntiteeToWorld(poulet);
            }
        }
        bGroupeCree = true;
    }

    cpVect vecDir = cpv(fNewCamCenterX - fCamCenterX, fNewCamCenterY - fCamCenterY);
    float fDiffX, fDiffY;
    if (cpvlength(vecDir) < 9.0) {
        fDiffX = static_cast<float>(vecDir.x);
        fDiffY = static_cast<float>(vecDir.y);
    } else {
        cpVect pas = cpvmult(cpvmult(cpvnormalize(vecDir), 30.0), 0.4);
        fDiffX = static_cast<float>(pas.x);
        fDiffY = static_cast<float>(pas.y);
    }

    fCamCenterX += fDiffX;
    fCamCenterY += fDiffY;
    zeus->fMousePosX_ += fDiffX;
    if (fCamCenterX > LIMITE) {
        float fBackX = LIMITE - fCamCenterX;
        zeus->fMousePosX_ += fBackX;
        fCamCenterX = LIMITE;
    }
    zeus->fCamCenterX_ = fCamCenterX;
}
