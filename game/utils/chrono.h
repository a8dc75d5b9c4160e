#pragma once
// Frame clock and countdowns, in 32-bit signed milliseconds of timeGetTime.
#include <cstdint>

class TIME_MANAGER {
public:
    TIME_MANAGER();
    void update();
    int getTempsEcouleMS() const { return TempsEcoule; }
    int getTempsEcouleS() const { return TempsEcoule / 1000; }
    int getTempsDepuisLeDebutMS() const;
    int getTempsDepuisLeDebutS() const { return getTempsDepuisLeDebutMS() / 1000; }

    int32_t LastTemps;
    int32_t Temps;
    int32_t TempsEcoule;
    int32_t TimeGetTimeDebut;
};

class CRONOMETRE {
public:
    CRONOMETRE(TIME_MANAGER* manager, int duration);
    void update() {}
    bool isFini() const;
    int timeLeftMS() const;
    int timeLeftS() const { return timeLeftMS() / 1000; }

private:
    TIME_MANAGER* timemanager;
    int32_t tempsmax;
};

// Signed 32-bit difference of two wrapping clock values, without overflow.
inline int32_t clockDiff(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
