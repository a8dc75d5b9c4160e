#include "game/config/choices.h"

#include "engine/sdl/fenetresdl.h"
#include "game/utils/son.h"

PlayerChoices::PlayerChoices(const GameOptions& options, const std::string& settingsFile)
    : file_(settingsFile), saved_(readSettings(settingsFile))
{
    scale_ = options.scale > 0 ? options.scale : 1;
    volume_ = options.volume >= 0 ? options.volume : 100;
    // Asking for a window size means a window, whatever was remembered.
    fullscreen_ = options.fullscreen || (options.scale == 0 && saved_.fullscreen);
    mute_ = options.mute || saved_.mute;
}

bool PlayerChoices::onKey(SDLKey key, FENETRESDL* fenetre)
{
    if (key == SDLK_F11) {
        if (!fenetre || !fenetre->setFillDesktop(!fenetre->getFillDesktop()))
            return true;
        fullscreen_ = saved_.fullscreen = fenetre->getFillDesktop();
    } else if (key == SDLK_m) {
        mute_ = saved_.mute = !mute_;
        SON::setMute(mute_);
    } else {
        return false;
    }
    writeSettings(file_, saved_);
    return true;
}
