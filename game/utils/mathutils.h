#pragma once
// Screen pixels (measured from the screen's centre) to game coordinates, and back.

void getGameCoordFromScreenCoord(float fScreenWidth, float fScreenHeight, float fSceneWidth, float fSceneHeight,
                                 float fSceneCenterX, float fSceneCenterY, float x, float y, float* sceneX,
                                 float* sceneY);

// The inverse of getGameCoordFromScreenCoord, rounded to the nearest pixel.
void getScreenCoord(float fScreenWidth, float fScreenHeight, float fSceneWidth, float fSceneHeight, float fCenterX,
                    float fCenterY, float x, float y, int* scrx, int* scry);
