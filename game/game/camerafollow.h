#pragma once
// The camera that follows the flock and stops near the end of the belt, and the
// group of four chickens made whenever the flock is gone and the camera is home.
#include "game/game/world.h"

class Zeus;

class CameraFollow {
public:
    // Once per frame, right after Zeus::update. fDifficultee is -1 before the choice.
    // Moves the camera centre, keeps the game's mouse point in its place on the
    // screen and hands the centre to the director.
    void suivre(Zeus* zeus, float fDifficultee);

    float fCamCenterX = 0;
    float fCamCenterY = 0;
    // Chickens counted in the last frame, and whether a group was made in it.
    int iNbPoulets = 0;
    bool bGroupeCree = false;

    static constexpr float LIMITE = world::CAMERA_LIMITE;
};
