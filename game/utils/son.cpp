#include "game/utils/son.h"

#include "engine/platform/fileread.h"

#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

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

namespace {
FMOD_CHANNELGROUP* groupe()
{
    FMOD_CHANNELGROUP* g = nullptr;
    FMOD_System_GetMasterChannelGroup(SON::system, &g);
    return g;
}
} // namespace

void SON::init() { init(100, false); }

void SON::init(int pourcent, bool coupe)
{
    FMOD_System_Create(&system);
    bool ouvert = FMOD_System_Init(system, 32, FMOD_INIT_NORMAL, nullptr) == FMOD_OK;
    if (pourcent != 100)
        FMOD_ChannelGroup_SetVolume(groupe(), float(pourcent) / 100.0f);
    if (coupe)
        setMute(true);
    sauver(&musique, fichierMusique, true);
    sauver(&pondre, fichierPondre, false);
    sauver(&sprotch, fichierSprotch, false);
    // Without a sound device nothing loads and nothing is said: the game is
    // silent, as always. With one, a file that did not load is named once.
    const struct {
        FMOD_SOUND* son;
        const char* fichier;
    } charges[] = {{musique, fichierMusique}, {pondre, fichierPondre}, {sprotch, fichierSprotch}};
    std::string manquants;
    for (const auto& c : charges) {
        if (c.son)
            continue;
        int erreur = platform::readError(c.fichier);
        manquants += std::string(manquants.empty() ? "" : ", ") + c.fichier + " (" +
                     (erreur ? std::strerror(erreur) : "not a sound it can play") + ")";
    }
    if (ouvert && !manquants.empty()) {
        char ici[4096];
        bool aucun = !musique && !pondre && !sprotch;
        std::fprintf(stderr, "plumfall: warning: no sound from %s in %s; the game goes on %s\n", manquants.c_str(),
                     getcwd(ici, sizeof ici) ? ici : ".", aucun ? "silent" : "without them");
    }
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

void SON::setMute(bool coupe)
{
    if (FMOD_CHANNELGROUP* g = groupe())
        FMOD_ChannelGroup_SetMute(g, coupe);
}

bool SON::getMute()
{
    FMOD_BOOL coupe = 0;
    FMOD_CHANNELGROUP* g = groupe();
    return g && FMOD_ChannelGroup_GetMute(g, &coupe) == FMOD_OK && coupe;
}

void SON::setPause(bool pause)
{
    if (FMOD_CHANNELGROUP* g = groupe())
        FMOD_ChannelGroup_SetPaused(g, pause);
}
