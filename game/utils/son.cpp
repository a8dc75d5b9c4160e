#include "game/utils/son.h"

FMOD_SYSTEM* SON::system = nullptr;
FMOD_SOUND* SON::musique = nullptr;

namespace {
FMOD_SOUND* pondre = nullptr;
FMOD_SOUND* sprotch = nullptr;

char fichierMusique[] = "musique.mp3";
char fichierPondre[] = "pou.wav";
char fichierSprotch[] = "sprouch.wav";
} // namespace

SON::SON() {}

void SON::init()
{
    FMOD_System_Create(&system);
    FMOD_System_Init(system, 32, FMOD_INIT_NORMAL, nullptr);
    sauver(&musique, fichierMusique, true);
    sauver(&pondre, fichierPondre, false);
    sauver(&sprotch, fichierSprotch, false);
    jouer(musique);
}

void SON::sauver(FMOD_SOUND** son, char* fichier, bool bLoop)
{
    FMOD_MODE mode = FMOD_CREATESAMPLE;
    if (bLoop)
        mode |= FMOD_LOOP_NORMAL;
    FMOD_System_CreateSound(system, fichier, mode, nullptr, son);
}

void SON::jouer(FMOD_SOUND* son) { FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, son, false, nullptr); }

void SON::jouerSprotch() { jouer(sprotch); }

void SON::jouerPondre() { jouer(pondre); }
