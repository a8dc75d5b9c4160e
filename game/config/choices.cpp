#include "game/config/choices.h"

#include <cstdio>

PlayerChoices::PlayerChoices(const GameOptions& options, const std::string& settingsFile)
    : file_(settingsFile), scaleAsked_(options.scale > 0)
{
    Settings saved = readSettings(settingsFile);
    scale_ = options.scale > 0 ? options.scale : 1;
    volume_ = options.volume >= 0 ? options.volume : 100;
    // Asking for a window size means a window, whatever was remembered.
    fullscreen_ = options.fullscreen || (options.scale == 0 && saved.fullscreen);
    mute_ = options.mute || saved.mute;
}

void PlayerChoices::fitDesktop(int viewWidth, int viewHeight, int deskWidth, int deskHeight)
{
    if (fullscreen_ && (deskWidth < viewWidth || deskHeight < viewHeight)) {
        fullscreen_ = false;
        std::fprintf(stderr, "plumfall: the %dx%d desktop is smaller than the game's %dx%d: playing in a window\n",
                     deskWidth, deskHeight, viewWidth, viewHeight);
    }
    int fits = scale_;
    while (fits > 1 && (viewWidth * fits > deskWidth || viewHeight * fits > deskHeight))
        --fits;
    char lowered[96] = "";
    if (fits < scale_)
        std::snprintf(lowered, sizeof lowered, ", the %s on the %dx%d desktop",
                      viewWidth * fits <= deskWidth && viewHeight * fits <= deskHeight ? "largest that fits"
                                                                                          : "smallest there is",
                      deskWidth, deskHeight);
    if (fullscreen_ && scaleAsked_)
        std::fprintf(stderr, "plumfall: full screen ignores --scale %d; F11 or Esc goes back to a %dx%d window%s\n",
                     scale_, viewWidth * fits, viewHeight * fits, lowered);
    else if (fits < scale_)
        std::fprintf(stderr, "plumfall: --scale %d would open a %dx%d window; using --scale %d (%dx%d)%s\n", scale_,
                     viewWidth * scale_, viewHeight * scale_, fits, viewWidth * fits, viewHeight * fits, lowered);
    scale_ = fits;
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
