#include "game/utils/chrono.h"

#include "engine/platform/system.h"

TIME_MANAGER::TIME_MANAGER()
    : LastTemps(static_cast<int32_t>(timeGetTime())), Temps(LastTemps), TempsEcoule(0), TimeGetTimeDebut(LastTemps)
{
}

void TIME_MANAGER::update()
{
    Temps = static_cast<int32_t>(timeGetTime());
    TempsEcoule = clockDiff(Temps, LastTemps);
    LastTemps = Temps;
}

int TIME_MANAGER::getTempsDepuisLeDebutMS() const
{
    return clockDiff(Temps, TimeGetTimeDebut);
}

CRONOMETRE::CRONOMETRE(TIME_MANAGER* manager, int duration)
    : timemanager(manager), tempsmax(static_cast<int32_t>(static_cast<uint32_t>(manager->Temps) + uint32_t(duration)))
{
}

bool CRONOMETRE::isFini() const
{
    return timeLeftMS() < 0;
}

int CRONOMETRE::timeLeftMS() const
{
    return clockDiff(tempsmax, timemanager->Temps);
}
