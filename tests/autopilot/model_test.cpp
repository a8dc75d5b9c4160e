// The real world and the autopilot's model side by side: every saw and taser of
// a level, run by the director frame by frame, must stand where the model's
// look-ahead said it would, over whole cycles, at the easiest, a middle and the
// hardest level.
#include "engine/manager/xmanager.h"
#include "game/autopilot/model.h"
#include "game/entities/Scie.h"
#include "game/entities/Taser.h"
#include "game/frame/gameframe.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class ModeleContreMonde : public ::testing::TestWithParam<int> {};

// 45 s: the slowest saw's cycle (F1: 3 s in, twice 8 s across, 1 s out) twice,
// a taser's first charge (at most 15 s in) and two of its cycles.
const int HORIZON = 1500;

TEST_P(ModeleContreMonde, SawsAndTasersStandWhereTheModelSaid)
{
    const int touche = GetParam();
    gameSrand(static_cast<uint32_t>(touche));
    XMANAGER manager(nullptr);
    Zeus zeus;
    Gaya::init(&zeus, &manager);
    zeus.initLevel(difficultyForKey(touche));
    zeus.inserer();

    std::vector<Scie*> scies;
    std::vector<Taser*> tasers;
    std::vector<pilote::Danger> prevuScies, prevuTasers;
    for (auto& entree : zeus.rEntiteMap_) {
        if (entree.second->type == ETYPE_SCIE) {
            scies.push_back(static_cast<Scie*>(entree.second));
            prevuScies.push_back(pilote::prevoirScie(*scies.back(), HORIZON));
        } else if (entree.second->type == ETYPE_TASER) {
            tasers.push_back(static_cast<Taser*>(entree.second));
            prevuTasers.push_back(pilote::prevoirTaser(*tasers.back(), HORIZON));
        }
    }
    ASSERT_GE(scies.size(), 3u);
    ASSERT_GE(tasers.size(), 2u);
    std::vector<int> retours(scies.size(), 0), tirs(tasers.size(), 0);

    for (int frame = 1; frame <= HORIZON; ++frame) {
        std::vector<Scie::ETAT> avant;
        for (Scie* s : scies)
            avant.push_back(s->etat);
        zeus.update(world::PAS);
        // The model's y is summed in double precision, the world's kept in single.
        for (size_t i = 0; i < scies.size(); ++i) {
            const Scie& s = *scies[i];
            ASSERT_NEAR(prevuScies[i].y[frame], s.position.y, 0.05)
                << "F" << touche << ": saw " << i << " at x = " << s.position.x << ", frame " << frame
                << " (state " << s.etat << ", " << s.dureeEtat << " ms in it)";
            retours[i] += avant[i] == Scie::ETAT_RENTRE && s.etat == Scie::ETAT_RENTREE;
        }
        for (size_t i = 0; i < tasers.size(); ++i) {
            const Taser& t = *tasers[i];
            ASSERT_EQ(bool(prevuTasers[i].actif[frame - 1]), t.etat == Taser::TETAT_ACTIF)
                << "F" << touche << ": taser " << i << " at x = " << t.position.x << ", frame " << frame
                << " (state " << t.etat << ", " << t.dureeEtat << " ms in it)";
            tirs[i] += t.etat == Taser::TETAT_ACTIF && t.dureeEtat == 0;
        }
    }
    for (size_t i = 0; i < scies.size(); ++i)
        EXPECT_GE(retours[i], 1) << "F" << touche << ": saw " << i << " never came back within the horizon";
    for (size_t i = 0; i < tasers.size(); ++i)
        EXPECT_GE(tirs[i], 2) << "F" << touche << ": taser " << i << " fired fewer than twice";
    Gaya::init(nullptr, nullptr);
}

INSTANTIATE_TEST_SUITE_P(F1F5F10, ModeleContreMonde, ::testing::Values(1, 5, 10),
                         [](const ::testing::TestParamInfo<int>& i) { return "F" + std::to_string(i.param); });

}
