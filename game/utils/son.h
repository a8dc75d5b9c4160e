#pragma once
// The game's music and its two effects. Every failure is silent: a sound
// that cannot be loaded or played is simply not heard.
#include "engine/platform/fmod.h"

class SON {
public:
    SON();

    // Opens the sound system, loads "musique.mp3", "pou.wav" and "sprouch.wav"
    // from the working directory and starts the music looping.
    static void init();
    // init with the level (0 to 100) and the mute of music and effects set
    // before anything plays: muted, not one sample sounds.
    static void init(int pourcent, bool coupe);
    // Music and effects together; the music keeps its place while muted.
    static void setMute(bool coupe);
    static bool getMute();
    // Music and effects hold where they are while the game is paused.
    static void setPause(bool pause);
    static void sauver(FMOD_SOUND** son, char* fichier, bool bLoop);
    static void jouer(FMOD_SOUND* son);
    static void jouerSprotch();
    static void jouerPondre();

    static FMOD_SYSTEM* system;
    static FMOD_SOUND* musique;
};
