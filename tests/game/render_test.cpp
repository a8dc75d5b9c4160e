#include "engine/manager/xmanager.h"
#include "engine/platform/recording_device.h"
#include "game/game/gaya.h"
#include "game/game/zeus.h"
#include "game/setup.h"
#include "tests/game/monde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// The game's own elements on a recording device. Made once and kept, as the game
// keeps them: nothing the manager holds is ever freed.
struct Decor {
    platform::RecordingDevice* device;
    XMANAGER* manager;
};

Decor& decor()
{
    static Decor* d = [] {
        auto* x = new Decor;
        x->device = new platform::RecordingDevice;
        initall(x->device);
        x->manager = new XMANAGER(x->device);
        testing::internal::CaptureStdout();
        chargercube(x->manager, x->device);
        chargerElements3D(x->manager);
        testing::internal::GetCapturedStdout();
        return x;
    }();
    return *d;
}

class Dessin : public ::testing::Test {
protected:
    void SetUp() override
    {
        initall(decor().device);
        zeus = std::make_unique<Zeus>();
        Gaya::init(zeus.get(), decor().manager);
        dev().clearCalls();
        dev().recording = true;
    }
    void TearDown() override
    {
        zeus.reset();
        Gaya::init(nullptr, nullptr);
    }

    platform::RecordingDevice& dev() { return *decor().device; }

    template <class T>
    T* poser(T* e, float x, float y)
    {
        return poserDans(*zeus, e, x, y);
    }

    std::vector<D3DMATRIX> mondes()
    {
        std::vector<D3DMATRIX> r;
        for (auto& c : dev().named("SetTransform"))
            if (c.args[0] == D3DTS_WORLD)
                r.push_back(c.matrix);
        return r;
    }

    std::unique_ptr<Zeus> zeus;
};

TEST_F(Dessin, ChickenIsScaledByItsRadiusAroundItsPosition)
{
    Poulet* p = poser(Gaya::getPoulet(), 10, 20);
    p->setTaille(30);
    zeus->render();
    auto m = mondes();
    ASSERT_EQ(m.size(), 2u); // its own layer, then the pass over everything
    for (const D3DMATRIX& w : m) {
        EXPECT_FLOAT_EQ(w._11, 60);
        EXPECT_FLOAT_EQ(w._22, 60);
        EXPECT_FLOAT_EQ(w._41, 10);
        EXPECT_FLOAT_EQ(w._42, 20);
    }
    EXPECT_EQ(dev().count("DrawPrimitive"), 2u);
}

TEST_F(Dessin, EggsThreeTimesFallingCopiesOnceOthersTwice)
{
    poser(Gaya::getOeuf(), 0, 0);
    poser(Gaya::getEntiteeTombante(ETYPE_GRAIN), 0, 0);
    poser(Gaya::getEntiteeTombante(ETYPE_COUNT), 0, 0); // no element: drawn as nothing
    poser(Gaya::getSang(), 0, 0);
    zeus->render();
    EXPECT_EQ(dev().count("DrawPrimitive"), 3u + 1u + 2u);
}

TEST_F(Dessin, SawArmPointsAwayFromTheBelt)
{
    for (int orientation : {-1, 1}) {
        dev().clearCalls();
        float y = orientation == -1 ? 250.0f : -250.0f;
        Scie* scie = poser(Gaya::getScie(), 1000, y);
        scie->iOrientation = orientation;
        scie->afficher();
        auto m = mondes();
        ASSERT_EQ(m.size(), 2u);
        EXPECT_FLOAT_EQ(m[0]._41, 1000);
        EXPECT_FLOAT_EQ(m[0]._42, y);
        // The arm's centre is raised 280 in its own frame, then turned away from the belt.
        EXPECT_NEAR(m[1]._42, y - orientation * 280.0f, 1e-3);
        EXPECT_NEAR(m[1]._41, 1000, 1e-3);
    }
}

TEST_F(Dessin, EachTaserDrawsItsOwnElement)
{
    Taser* a = poser(Gaya::getTaser(), 100, 0);
    Taser* b = poser(Gaya::getTaser(), 200, 0);
    EXPECT_NE(a->elem, b->elem);
    EXPECT_NE(a->elem, decor().manager->getelement3d("taser"));
    Poulet* p = poser(Gaya::getPoulet(), 0, 0);
    Poulet* q = poser(Gaya::getPoulet(), 0, 0);
    EXPECT_EQ(p->elem, q->elem);
    EXPECT_EQ(p->elem, decor().manager->getelement3d("poulet"));
}

}
