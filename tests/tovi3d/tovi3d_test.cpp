#include "engine/platform/recording_device.h"
#include "engine/tovi3d/tovi3D.h"
#include "tests/support/fake_clock.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using platform::RecordingDevice;
using platform::RecordingDirect3D;

namespace {

std::vector<DWORD> g_sleeps;
void recordSleep(DWORD ms)
{
    g_sleeps.push_back(ms);
}

class Tovi3DTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::useRecordingDevices();
        platformSetSleep(&recordSleep);
        g_sleeps.clear();
        RecordingDirect3D::checkResult = D3D_OK;
        RecordingDirect3D::createResult = D3D_OK;
    }
    void TearDown() override
    {
        platformSetSleep(nullptr);
        platformSetDirect3DFactory(nullptr);
    }

    std::unique_ptr<TOVI3D> make()
    {
        auto t = std::make_unique<TOVI3D>(nullptr, 800, 600);
        dev = static_cast<RecordingDevice*>(t->pD3dDevice);
        return t;
    }

    RecordingDevice* dev = nullptr;
};

TEST_F(Tovi3DTest, CreationSetsTheFixedStateOnce)
{
    auto t = make();
    ASSERT_NE(dev, nullptr);
    DWORD v;
    dev->GetRenderState(D3DRS_SRCBLEND, &v);
    EXPECT_EQ(v, DWORD(D3DBLEND_SRCALPHA));
    dev->GetRenderState(D3DRS_AMBIENT, &v);
    EXPECT_EQ(v, 0xFFFFFFFFu);
    dev->GetSamplerState(0, D3DSAMP_MINFILTER, &v);
    EXPECT_EQ(v, DWORD(D3DTEXF_NONE));
    EXPECT_EQ(dev->presentParameters().BackBufferWidth, 800u);
    EXPECT_EQ(dev->presentParameters().AutoDepthStencilFormat, D3DFMT_D16);
    EXPECT_EQ(dev->count("SetRenderState"), 8u);
}

TEST_F(Tovi3DTest, ViewIsSentOnlyAfterTheCameraChanged)
{
    auto t = make();
    ASSERT_TRUE(t->debutscene(115, 115, 155));
    t->afficherscene();
    dev->clearCalls();

    t->getpCamera()->setEye(10, 0, -30);
    t->getpCamera()->setLookat(10, 0, 0);
    ASSERT_TRUE(t->debutscene(115, 115, 155));
    t->afficherscene();
    ASSERT_EQ(dev->count("SetTransform"), 1u);
    EXPECT_EQ(dev->calls[0].args[0], double(D3DTS_VIEW));
    EXPECT_FLOAT_EQ(dev->calls[0].matrix._41, -10.0f);

    dev->clearCalls();
    ASSERT_TRUE(t->debutscene(115, 115, 155));
    EXPECT_EQ(dev->count("SetTransform"), 0u);
    t->afficherscene();

    t->getpCamera()->setEye(D3DXVECTOR3(50, 0, -30)); // the vector form does not mark
    dev->clearCalls();
    ASSERT_TRUE(t->debutscene(115, 115, 155));
    EXPECT_EQ(dev->count("SetTransform"), 0u);
}

TEST_F(Tovi3DTest, OrthographicProjectionIsSentOnce)
{
    auto t = make();
    t->debutscene(0, 0, 0);
    t->afficherscene();
    t->getpMatproj()->setorthonorme(800, 600, 1, 100);
    dev->clearCalls();
    t->debutscene(0, 0, 0);
    t->afficherscene();
    auto sent = dev->named("SetTransform");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].args[0], double(D3DTS_PROJECTION));
    D3DXMATRIX expected;
    D3DXMatrixOrthoLH(&expected, 800, 600, 1, 100);
    EXPECT_TRUE(D3DXMATRIX(sent[0].matrix) == expected);
    dev->clearCalls();
    t->debutscene(0, 0, 0);
    EXPECT_EQ(dev->count("SetTransform"), 0u);
}

TEST_F(Tovi3DTest, ClearColourTakesTheLowByteOfEachComponent)
{
    auto t = make();
    t->debutscene(0x173, 0x73, 0x9B);
    t->afficherscene();
    t->debutscene(0x73, 0x73, 0x9B);
    auto clears = dev->named("Clear");
    ASSERT_EQ(clears.size(), 2u);
    EXPECT_EQ(clears[0].args[2], double(0xFF73739Bu));
    EXPECT_EQ(clears[1].args[2], clears[0].args[2]);
    EXPECT_EQ(clears[0].args[1], double(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER));
    EXPECT_EQ(clears[0].args[3], 1.0);
}

TEST_F(Tovi3DTest, FailingClearReportsOnceAndTheFrameIsNotDrawn)
{
    auto t = make();
    dev->failCall("Clear");
    testing::internal::CaptureStderr();
    bool ok = t->debutscene(115, 115, 155);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(ok);
    EXPECT_EQ(err, "ERREUR: Problème de nettoyage du buffer\n");
    EXPECT_EQ(dev->count("BeginScene"), 1u);
}

TEST_F(Tovi3DTest, FailingBeginSceneReports)
{
    auto t = make();
    dev->failCall("BeginScene");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(t->debutscene(1, 2, 3));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERREUR: Problème de début de scene\n");
}

TEST_F(Tovi3DTest, LostDeviceWaitsHalfASecondBeforeClearing)
{
    auto t = make();
    dev->cooperativeLevel = D3DERR_DEVICELOST;
    dev->clearCalls();
    t->debutscene(115, 115, 155);
    ASSERT_EQ(g_sleeps.size(), 1u);
    EXPECT_EQ(g_sleeps[0], 500u);
    EXPECT_EQ(dev->count("Reset"), 0u);
}

TEST_F(Tovi3DTest, NotResetDeviceIsResetWithTheStoredParameters)
{
    auto t = make();
    dev->cooperativeLevel = D3DERR_DEVICENOTRESET;
    dev->clearCalls();
    t->debutscene(115, 115, 155);
    auto resets = dev->named("Reset");
    ASSERT_EQ(resets.size(), 1u);
    EXPECT_EQ(resets[0].args[0], 800);
    EXPECT_EQ(resets[0].args[1], 600);
    EXPECT_TRUE(g_sleeps.empty());
}

TEST_F(Tovi3DTest, SetUpFailuresAreReportedAndTheWrapperCarriesOn)
{
    RecordingDirect3D::checkResult = E_FAIL;
    RecordingDirect3D::createResult = E_FAIL;
    testing::internal::CaptureStderr();
    TOVI3D t(nullptr, 800, 600);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "ERREUR: Format d'affichage non adapté\nERREUR: Problème lors de la création du device\n");
    EXPECT_EQ(t.pD3dDevice, nullptr);
    EXPECT_FALSE(t.debutscene(0, 0, 0)); // no device: nothing to draw with, no crash
    t.afficherscene();
}

TEST_F(Tovi3DTest, DetruireTwiceReleasesOnce)
{
    auto t = make();
    t->detruire();
    EXPECT_EQ(t->pD3dDevice, nullptr);
    EXPECT_EQ(t->getpCamera(), nullptr);
    t->detruire();
}

TEST_F(Tovi3DTest, ErreurExitsWithFive)
{
    EXPECT_EXIT(
        {
            TOVI3D t(nullptr, 800, 600);
            t.erreur("boom");
        },
        testing::ExitedWithCode(5), "ERREUR: boom");
}

} // namespace
