#include "game/config/choices.h"

PlayerChoices::PlayerChoices(const GameOptions& options, const std::string& settingsFile)
    : file_(settingsFile), saved_(readSettings(settingsFile))
{
    scale_ = options.scale > 0 ? options.scale : 1;
    volume_ = options.volume >= 0 ? options.volume : 100;
    // Asking for a window size means a window, whatever was remembered.
    fullscreen_ = options.fullscreen || (options.scale == 0 && saved_.fullscreen);
    mute_ = options.mute || saved_.mute;
}

void PlayerChoices::chooseFullscreen(bool on)
{
    fullscreen_ = saved_.fullscreen = on;
    writeSettings(file_, saved_);
}

void PlayerChoices::chooseMute(bool on)
{
    mute_ = saved_.mute = on;
    writeSettings(file_, saved_);
}
