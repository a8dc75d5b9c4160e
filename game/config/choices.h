#pragma once
// The display and the sound of one run: the command line first, then what the
// settings file remembers, then the game's own (an 800 x 600 window, sound on,
// full volume). F11 and M change them while playing; only those changes are
// written back, never what the command line asked for.
#include "game/cli/gameoptions.h"
#include "game/config/settings.h"

#include <SDL/SDL.h>

#include <string>

class FENETRESDL;

class PlayerChoices {
public:
    PlayerChoices(const GameOptions& options, const std::string& settingsFile);

    int scale() const { return scale_; }
    bool fullscreen() const { return fullscreen_; }
    bool mute() const { return mute_; }
    int volume() const { return volume_; }

    // F11 switches full screen (where the window can), M the sound; true when
    // the key was one of them.
    bool onKey(SDLKey key, FENETRESDL* fenetre);

private:
    std::string file_;
    Settings saved_;
    int scale_, volume_;
    bool fullscreen_, mute_;
};
