#pragma once
// The display and the sound of one run: the command line first, then what the
// settings file remembers, then the game's own (an 800 x 600 window, sound on,
// full volume). What the player switches while playing (full screen, sound) is
// written back; what the command line asked for never is.
#include "game/cli/gameoptions.h"
#include "game/config/settings.h"

#include <string>

class PlayerChoices {
public:
    PlayerChoices(const GameOptions& options, const std::string& settingsFile);

    int scale() const { return scale_; }
    bool fullscreen() const { return fullscreen_; }
    bool mute() const { return mute_; }
    int volume() const { return volume_; }

    // Fits the run to a desktop of deskWidth x deskHeight for a view of
    // viewWidth x viewHeight, one line on standard error for each change: a
    // window scale too large is lowered to the largest that fits, and full
    // screen on a desktop smaller than the view gives the window instead.
    // Full screen asked together with --scale says that it ignores the scale.
    void fitDesktop(int viewWidth, int viewHeight, int deskWidth, int deskHeight);

    // The player turned full screen or the sound on or off: kept for the next start.
    void chooseFullscreen(bool on);
    void chooseMute(bool on);

private:
    std::string file_;
    bool scaleAsked_;
    int scale_, volume_;
    bool fullscreen_, mute_;
};
