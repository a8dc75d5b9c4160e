#pragma once
// What the director counted, as a replay keeps it.
#include "game/game/zeus.h"
#include "game/replay/replay.h"

inline ReplayOutcome outcomeOf(const ZeusStats& s, int frames)
{
    ReplayOutcome o;
    o.frames = frames;
    o.made = s.iPouletsCrees;
    o.finished = s.iArrives;
    o.saw = s.iMortsScie;
    o.fallen = s.iTombes;
    o.overeaten = s.iMortsGavage;
    o.grains = s.iGrainsManges;
    return o;
}
