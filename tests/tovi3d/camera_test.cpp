#include "engine/tovi3d/camera.h"
#include "engine/tovi3d/matproj.h"

#include <gtest/gtest.h>

namespace {

void expectVec(const D3DXVECTOR3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-5);
    EXPECT_NEAR(v.y, y, 1e-5);
    EXPECT_NEAR(v.z, z, 1e-5);
}

CAMERA gameCamera()
{
    CAMERA c(0, 0, -30, 0, 0, 0, 0, 1, 0);
    c.updated = false;
    return c;
}

TEST(Camera, ZeroStepsChangeNothingAndLeaveTheMark)
{
    CAMERA c = gameCamera();
    c.move(0);
    c.straff(0);
    EXPECT_FALSE(c.updated);
    expectVec(c.eye, 0, 0, -30);
}

TEST(Camera, MoveWalksAlongTheViewAndStraffSideways)
{
    CAMERA c = gameCamera();
    c.move(5);
    expectVec(c.eye, 0, 0, -25);
    expectVec(c.lookat, 0, 0, 5);
    EXPECT_TRUE(c.updated);

    CAMERA s = gameCamera();
    s.straff(2);
    expectVec(s.eye, -2, 0, -30);
    expectVec(s.lookat, -2, 0, 0);
}

TEST(Camera, TranslationsKeepTheViewOffset)
{
    CAMERA c = gameCamera();
    c.translationComplete(100, 0, -30);
    expectVec(c.lookat, 100, 0, 0);
    c.translationRelative(1, 2, 3);
    expectVec(c.eye, 101, 2, -27);
    expectVec(c.lookat, 101, 2, 3);
}

TEST(Camera, RotateZeroPutsTheLookAtOneUnitAhead)
{
    CAMERA c = gameCamera();
    c.rotate(0, 0);
    expectVec(c.lookat, 0, 0, -29);
    EXPECT_TRUE(c.updated);

    CAMERA y = gameCamera();
    y.rotate(1.5707964f, 0); // a quarter turn of yaw: +z turns to +x
    expectVec(y.lookat, 1, 0, -30);
}

TEST(Camera, VectorEyeSetterDoesNotMark)
{
    CAMERA c = gameCamera();
    c.setEye(D3DXVECTOR3(1, 2, 3));
    EXPECT_FALSE(c.updated);
    c.setEye(1, 2, 3);
    EXPECT_TRUE(c.updated);
}

TEST(Matproj, SwitchingKeepsTheOtherKindsValues)
{
    MATPROJ p(0.7853982f, 1, 1, 100);
    EXPECT_TRUE(p.switchperspective);
    EXPECT_EQ(p.orthox, 18);
    EXPECT_EQ(p.orthoy, 20);
    p.updated = false;
    p.setorthonorme(800, 600, 1, 100);
    EXPECT_FALSE(p.switchperspective);
    EXPECT_TRUE(p.updated);
    EXPECT_FLOAT_EQ(p.angle, 0.7853982f);
    EXPECT_EQ(p.ratio, 1);
    p.setcavaliere(1, 2, 3, 4);
    EXPECT_EQ(p.orthox, 800);
    EXPECT_EQ(p.orthoy, 600);
    EXPECT_EQ(p.cacaboudin, 3);
    EXPECT_EQ(p.distance, 4);
}

} // namespace
