#include "game/utils/mathutils.h"

#include <cmath>

void getGameCoordFromScreenCoord(float fScreenWidth, float fScreenHeight, float fSceneWidth, float fSceneHeight,
                                 float fSceneCenterX, float fSceneCenterY, float x, float y, float* sceneX,
                                 float* sceneY)
{
    float rx = fSceneWidth / fScreenWidth;
    float ry = fSceneHeight / fScreenHeight;
    float px = rx * x;
    float py = ry * y;
    *sceneX = px + fSceneCenterX;
    *sceneY = py + fSceneCenterY;
}

void getScreenCoord(float fScreenWidth, float fScreenHeight, float fSceneWidth, float fSceneHeight, float fCenterX,
                    float fCenterY, float x, float y, int* scrx, int* scry)
{
    float rx = fScreenWidth / fSceneWidth;
    float ry = fScreenHeight / fSceneHeight;
    *scrx = static_cast<int>(std::lround(rx * (x - fCenterX)));
    *scry = static_cast<int>(std::lround(ry * (y - fCenterY)));
}
