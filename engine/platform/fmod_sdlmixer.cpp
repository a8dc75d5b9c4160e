#include "engine/platform/fmod.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

struct FMOD_SOUND {
    FMOD_SYSTEM* system;
    Mix_Chunk* chunk;
    Mix_Music* music;
    bool loop;
};

struct FMOD_CHANNELGROUP {
    FMOD_SYSTEM* system;
    float volume = 1.0f;
    bool mute = false;
    bool paused = false;
};

struct FMOD_SYSTEM {
    bool open = false;
    std::vector<FMOD_SOUND*> sounds;
    FMOD_CHANNELGROUP master{this};
};

namespace {

// SDL_mixer has one device for the whole process; systems share it.
int mixerUsers = 0;
bool audioSubsystemOurs = false;

bool openMixer(int channels)
{
    if (mixerUsers == 0) {
        if (SDL_WasInit(SDL_INIT_AUDIO) == 0) {
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
                return false;
            audioSubsystemOurs = true;
        }
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
            if (audioSubsystemOurs) {
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
                audioSubsystemOurs = false;
            }
            return false;
        }
    }
    ++mixerUsers;
    // Never shrink: another system may be using the channels it asked for.
    Mix_AllocateChannels(std::max(channels, Mix_AllocateChannels(-1)));
    return true;
}

void closeMixer()
{
    if (mixerUsers == 0 || --mixerUsers > 0)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    if (audioSubsystemOurs) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioSubsystemOurs = false;
    }
}

bool endsWithMp3(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".mp3";
}

bool fileExists(const char* name)
{
    std::FILE* f = std::fopen(name, "rb");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}

void freeSound(FMOD_SOUND* s)
{
    // Freeing stops whatever still plays the sound.
    if (s->chunk)
        Mix_FreeChunk(s->chunk);
    if (s->music)
        Mix_FreeMusic(s->music);
    delete s;
}

// The mixer's level for the master group: channel and music volumes, 0 to 128.
int mixerLevel(const FMOD_CHANNELGROUP& g)
{
    return g.mute ? 0 : int(std::lround(g.volume * MIX_MAX_VOLUME));
}

void applyGroup(const FMOD_CHANNELGROUP& g)
{
    if (!g.system->open)
        return;
    Mix_Volume(-1, mixerLevel(g));
    Mix_VolumeMusic(mixerLevel(g));
}

} // namespace

FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** system)
{
    if (!system)
        return FMOD_ERR_INVALID_PARAM;
    *system = new FMOD_SYSTEM;
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* system, int maxchannels, FMOD_INITFLAGS, void*)
{
    if (!system)
        return FMOD_ERR_INVALID_HANDLE;
    if (system->open)
        return FMOD_ERR_INITIALIZED;
    if (maxchannels <= 0)
        return FMOD_ERR_INVALID_PARAM;
    if (!openMixer(maxchannels))
        return FMOD_ERR_OUTPUT_INIT;
    system->open = true;
    applyGroup(system->master);
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_CreateSound(FMOD_SYSTEM* system, const char* name, FMOD_MODE mode, FMOD_CREATESOUNDEXINFO*,
                                    FMOD_SOUND** sound)
{
    if (!sound)
        return FMOD_ERR_INVALID_PARAM;
    *sound = nullptr;
    if (!system)
        return FMOD_ERR_INVALID_HANDLE;
    if (!name)
        return FMOD_ERR_INVALID_PARAM;
    if (!system->open)
        return FMOD_ERR_UNINITIALIZED;

    // The mixer decodes MP3 only as music, and only music loops by itself.
    const bool loop = (mode & FMOD_LOOP_NORMAL) != 0;
    const bool asMusic = loop || (mode & FMOD_CREATESTREAM) || endsWithMp3(name);
    Mix_Chunk* chunk = nullptr;
    Mix_Music* music = nullptr;
    if (asMusic)
        music = Mix_LoadMUS(name);
    else
        chunk = Mix_LoadWAV(name);
    if (!chunk && !music)
        return fileExists(name) ? FMOD_ERR_FORMAT : FMOD_ERR_FILE_NOTFOUND;

    *sound = new FMOD_SOUND{system, chunk, music, loop};
    system->sounds.push_back(*sound);
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* system, FMOD_CHANNELINDEX, FMOD_SOUND* sound, FMOD_BOOL,
                                  FMOD_CHANNEL** channel)
{
    if (channel)
        *channel = nullptr;
    if (!system)
        return FMOD_ERR_INVALID_HANDLE;
    if (!sound)
        return FMOD_ERR_INVALID_PARAM;
    if (!system->open)
        return FMOD_ERR_UNINITIALIZED;
    if (sound->music)
        return Mix_PlayMusic(sound->music, sound->loop ? -1 : 1) == 0 ? FMOD_OK : FMOD_ERR_CHANNEL_ALLOC;
    int playing = Mix_PlayChannel(-1, sound->chunk, sound->loop ? -1 : 0);
    if (playing < 0)
        return FMOD_ERR_CHANNEL_ALLOC;
    // Channels added since the group was set start at full volume.
    Mix_Volume(playing, mixerLevel(system->master));
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_Update(FMOD_SYSTEM* system) { return system ? FMOD_OK : FMOD_ERR_INVALID_HANDLE; }

FMOD_RESULT FMOD_System_GetMasterChannelGroup(FMOD_SYSTEM* system, FMOD_CHANNELGROUP** channelgroup)
{
    if (!channelgroup)
        return FMOD_ERR_INVALID_PARAM;
    *channelgroup = system ? &system->master : nullptr;
    return system ? FMOD_OK : FMOD_ERR_INVALID_HANDLE;
}

FMOD_RESULT FMOD_ChannelGroup_SetVolume(FMOD_CHANNELGROUP* channelgroup, float volume)
{
    if (!channelgroup)
        return FMOD_ERR_INVALID_HANDLE;
    if (!(volume >= 0.0f))
        volume = 0.0f;
    channelgroup->volume = std::min(volume, 1.0f);
    applyGroup(*channelgroup);
    return FMOD_OK;
}

FMOD_RESULT FMOD_ChannelGroup_GetVolume(FMOD_CHANNELGROUP* channelgroup, float* volume)
{
    if (!channelgroup || !volume)
        return channelgroup ? FMOD_ERR_INVALID_PARAM : FMOD_ERR_INVALID_HANDLE;
    *volume = channelgroup->volume;
    return FMOD_OK;
}

FMOD_RESULT FMOD_ChannelGroup_SetMute(FMOD_CHANNELGROUP* channelgroup, FMOD_BOOL mute)
{
    if (!channelgroup)
        return FMOD_ERR_INVALID_HANDLE;
    channelgroup->mute = mute != 0;
    applyGroup(*channelgroup);
    return FMOD_OK;
}

FMOD_RESULT FMOD_ChannelGroup_GetMute(FMOD_CHANNELGROUP* channelgroup, FMOD_BOOL* mute)
{
    if (!channelgroup || !mute)
        return channelgroup ? FMOD_ERR_INVALID_PARAM : FMOD_ERR_INVALID_HANDLE;
    *mute = channelgroup->mute;
    return FMOD_OK;
}

FMOD_RESULT FMOD_ChannelGroup_SetPaused(FMOD_CHANNELGROUP* channelgroup, FMOD_BOOL paused)
{
    if (!channelgroup)
        return FMOD_ERR_INVALID_HANDLE;
    channelgroup->paused = paused != 0;
    if (channelgroup->system->open) {
        if (channelgroup->paused) {
            Mix_Pause(-1);
            Mix_PauseMusic();
        } else {
            Mix_Resume(-1);
            Mix_ResumeMusic();
        }
    }
    return FMOD_OK;
}

FMOD_RESULT FMOD_ChannelGroup_GetPaused(FMOD_CHANNELGROUP* channelgroup, FMOD_BOOL* paused)
{
    if (!channelgroup || !paused)
        return channelgroup ? FMOD_ERR_INVALID_PARAM : FMOD_ERR_INVALID_HANDLE;
    *paused = channelgroup->paused;
    return FMOD_OK;
}

FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* sound)
{
    if (!sound)
        return FMOD_ERR_INVALID_HANDLE;
    auto& list = sound->system->sounds;
    list.erase(std::remove(list.begin(), list.end(), sound), list.end());
    freeSound(sound);
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* system)
{
    if (!system)
        return FMOD_ERR_INVALID_HANDLE;
    for (FMOD_SOUND* s : system->sounds)
        freeSound(s);
    if (system->open)
        closeMixer();
    delete system;
    return FMOD_OK;
}

int platformSoundChannelsPlaying() { return mixerUsers > 0 ? Mix_Playing(-1) : 0; }

bool platformSoundMusicPlaying() { return mixerUsers > 0 && Mix_PlayingMusic() != 0 && Mix_PausedMusic() == 0; }
