#include "game/config/choices.h"

PlayerChoices::PlayerChoices(const GameOptions& options, const std::string& settingsFile)
    : file_(settingsFile)
{
    Settings saved = readSettings(settingsFile);
    scale_ = options.scale > 0 ? options.scale : 1;
    volume_ = options.volume >= 0 ? options.volume : 100;
    // Asking for a window size means a window, whatever was remembered.
    fullscreen_ = options.fullscreen || (options.scale == 0 && saved.fullscreen);
    mute_ = options.mute || saved.mute;
}

void PlayerChoices::chooseFullscreen(bool on)
{
    fullscreen_ = on;
    writeSetting(file_, Setting::Fullscreen, on);
}

void PlayerChoices::chooseMute(bool on)
{
    mute_ = on;
    writeSetting(file_, Setting::Mute, on);
}
