#pragma once
// The FMOD Ex flat interface the game calls, under FMOD's own names, played
// through SDL_mixer: WAV effects as chunks on the mixer's channels, looping
// or MP3 sounds through its single music stream. Without an audio device
// every call fails with an error code and nothing is heard.

struct FMOD_SYSTEM;
struct FMOD_SOUND;
struct FMOD_CHANNEL;
struct FMOD_CHANNELGROUP;
struct FMOD_CREATESOUNDEXINFO;

enum FMOD_RESULT {
    FMOD_OK = 0,
    FMOD_ERR_CHANNEL_ALLOC,
    FMOD_ERR_FILE_NOTFOUND,
    FMOD_ERR_FORMAT,
    FMOD_ERR_INITIALIZED,
    FMOD_ERR_INVALID_HANDLE,
    FMOD_ERR_INVALID_PARAM,
    FMOD_ERR_OUTPUT_INIT,
    FMOD_ERR_UNINITIALIZED,
};

typedef unsigned int FMOD_MODE;
constexpr FMOD_MODE FMOD_DEFAULT = 0x0;
constexpr FMOD_MODE FMOD_LOOP_OFF = 0x1;
constexpr FMOD_MODE FMOD_LOOP_NORMAL = 0x2;
constexpr FMOD_MODE FMOD_CREATESTREAM = 0x80;
constexpr FMOD_MODE FMOD_CREATESAMPLE = 0x100;

typedef unsigned int FMOD_INITFLAGS;
constexpr FMOD_INITFLAGS FMOD_INIT_NORMAL = 0x0;

enum FMOD_CHANNELINDEX {
    FMOD_CHANNEL_FREE = -1,
    FMOD_CHANNEL_REUSE = -2,
};

typedef int FMOD_BOOL;

FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** system);
// Opens the audio device with `maxchannels` mixing channels.
FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* system, int maxchannels, FMOD_INITFLAGS flags, void* extradriverdata);
// Loads the whole file. *sound is null whenever the result is not FMOD_OK.
FMOD_RESULT FMOD_System_CreateSound(FMOD_SYSTEM* system, const char* name, FMOD_MODE mode,
                                    FMOD_CREATESOUNDEXINFO* exinfo, FMOD_SOUND** sound);
// Starts `sound` at once on a free channel; FMOD_ERR_CHANNEL_ALLOC when all are busy
// (the sound is dropped, nothing playing is cut). No channel handle is given back:
// *channel, when asked for, is set to null.
FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* system, FMOD_CHANNELINDEX channelid, FMOD_SOUND* sound,
                                  FMOD_BOOL paused, FMOD_CHANNEL** channel);
FMOD_RESULT FMOD_System_Update(FMOD_SYSTEM* system);
// Every sound of the system plays through its master group: its volume (0 to 1)
// and mute apply to the music and the effects, those playing and those to come.
// The group exists from FMOD_System_Create on, so it can be set before anything plays.
FMOD_RESULT FMOD_System_GetMasterChannelGroup(FMOD_SYSTEM* system, FMOD_CHANNELGROUP** channelgroup);
FMOD_RESULT FMOD_ChannelGroup_SetVolume(FMOD_CHANNELGROUP* channelgroup, float volume);
FMOD_RESULT FMOD_ChannelGroup_GetVolume(FMOD_CHANNELGROUP* channelgroup, float* volume);
FMOD_RESULT FMOD_ChannelGroup_SetMute(FMOD_CHANNELGROUP* channelgroup, FMOD_BOOL mute);
FMOD_RESULT FMOD_ChannelGroup_GetMute(FMOD_CHANNELGROUP* channelgroup, FMOD_BOOL* mute);
// Holds every sound of the group where it is (the music keeps its place) until unpaused.
FMOD_RESULT FMOD_ChannelGroup_SetPaused(FMOD_CHANNELGROUP* channelgroup, FMOD_BOOL paused);
FMOD_RESULT FMOD_ChannelGroup_GetPaused(FMOD_CHANNELGROUP* channelgroup, FMOD_BOOL* paused);
FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* sound);
// Stops everything, frees every sound of the system, closes the device.
FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* system);

// Test seams: effects sounding now on the mixer's channels, and whether the music plays (not paused).
int platformSoundChannelsPlaying();
bool platformSoundMusicPlaying();
