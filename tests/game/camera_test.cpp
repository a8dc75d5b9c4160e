#include "monde.h"

#include "game/entities/Poulet.h"
#include "game/entities/PouletTombe.h"
#include "game/game/camerafollow.h"

namespace {

using Camera = Monde;

TEST_F(Camera, CloseCentroidIsReachedFarOneApproachedByTwelve)
{
    CameraFollow cam;
    Poulet* p = poser(Gaya::getPoulet(), 8.9f, 0);
    cam.suivre(zeus.get(), 0);
    EXPECT_EQ(cam.fCamCenterX, 8.9f);
    EXPECT_EQ(zeus->fCamCenterX_, 8.9f);
    EXPECT_EQ(cam.iNbPoulets, 1);

    CameraFollow loin;
    p->setXY(9.0f, 0);
    loin.suivre(zeus.get(), 0);
    EXPECT_FLOAT_EQ(loin.fCamCenterX, 12.0f);
    EXPECT_FLOAT_EQ(loin.fCamCenterY, 0.0f);
}

TEST_F(Camera, CentroidCountsLiveChickensOnly)
{
    CameraFollow cam;
    poser(Gaya::getPoulet(), 0, 4);
    poser(Gaya::getPoulet(), 4, 0);
    poser(Gaya::getPouletTombe(false), 400, 400);
    cam.suivre(zeus.get(), 0);
    EXPECT_FLOAT_EQ(cam.fCamCenterX, 2);
    EXPECT_FLOAT_EQ(cam.fCamCenterY, 2);
    EXPECT_EQ(cam.iNbPoulets, 2);
}

TEST_F(Camera, MousePointMovesWithTheCameraAndStopsAtTheLimit)
{
    CameraFollow cam;
    cam.fCamCenterX = 7595;
    zeus->fMousePosX_ = 100;
    poser(Gaya::getPoulet(), 7700, 0);
    cam.suivre(zeus.get(), 0);
    EXPECT_EQ(cam.fCamCenterX, 7600);
    EXPECT_EQ(zeus->fCamCenterX_, 7600);
    EXPECT_FLOAT_EQ(zeus->fMousePosX_, 105);

    cam.suivre(zeus.get(), 0);
    EXPECT_EQ(cam.fCamCenterX, 7600);
    EXPECT_FLOAT_EQ(zeus->fMousePosX_, 105);
}

TEST_F(Camera, GroupOfFourOnlyAtHomeAfterTheChoice)
{
    CameraFollow cam;
    cam.suivre(zeus.get(), -1.0f);
    EXPECT_TRUE(zeus->rAInsererVec_.empty());

    cam.suivre(zeus.get(), 0.4f);
    EXPECT_TRUE(cam.bGroupeCree);
    ASSERT_EQ(zeus->rAInsererVec_.size(), 4u);
    float xs[4] = {140, 140, 200, 200}, ys[4] = {-60, 0, -60, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(zeus->rAInsererVec_[i]->position.x, xs[i]);
        EXPECT_EQ(zeus->rAInsererVec_[i]->position.y, ys[i]);
    }
    zeus->update(30);
    cam.suivre(zeus.get(), 0.4f);
    EXPECT_FALSE(cam.bGroupeCree);
    EXPECT_EQ(compter(ETYPE_POULET, true), 4);
}

TEST_F(Camera, EmptyBeltTakesTheCameraHomeThenMakesAGroup)
{
    CameraFollow cam;
    cam.fCamCenterX = 50;
    cam.fCamCenterY = 0;
    int frames = 0;
    while (!cam.bGroupeCree && frames < 100) {
        cam.suivre(zeus.get(), 0.0f);
        ++frames;
    }
    // 12, 12, 12, 12 then the 2 left, then the group in the frame that finds it home.
    EXPECT_EQ(frames, 6);
    EXPECT_EQ(cam.fCamCenterX, 0);
    EXPECT_EQ(enFile(ETYPE_POULET), 4);
}

}
