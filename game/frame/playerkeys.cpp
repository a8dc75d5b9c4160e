#include "game/frame/playerkeys.h"

#include "engine/sdl/fenetresdl.h"
#include "game/config/choices.h"
#include "game/utils/son.h"

#include <cstdio>

PlayerKey playerKey(SDLKey key, SDLMod mod, bool fullscreen)
{
    if (key == SDLK_F11)
        return PlayerKey::SwitchFullscreen;
    if (key == SDLK_m)
        return PlayerKey::SwitchSound;
    if (fullscreen && key == SDLK_ESCAPE)
        return PlayerKey::LeaveFullscreen;
    if (fullscreen && key == SDLK_F4 && (mod & KMOD_ALT))
        return PlayerKey::Quit;
    return PlayerKey::None;
}

bool applyPlayerKey(PlayerKey key, FENETRESDL& fenetre, PlayerChoices& choix)
{
    switch (key) {
    case PlayerKey::SwitchFullscreen:
    case PlayerKey::LeaveFullscreen: {
        bool on = key == PlayerKey::SwitchFullscreen && !fenetre.getFillDesktop();
        if (fenetre.setFillDesktop(on)) {
            choix.chooseFullscreen(on);
        } else if (!fenetre.switchesInPlace()) {
            const char* name = key == PlayerKey::SwitchFullscreen ? "F11" : "Esc";
            std::fprintf(stderr, "plumfall: %s: this SDL cannot switch full screen while keeping the textures in "
                                 "place; %s\n",
                         name, on ? "start with --fullscreen instead" : "the next start opens a window");
            // Never trapped: the way out of full screen holds from the next start on.
            if (!on)
                choix.chooseFullscreen(false);
        }
        return true;
    }
    case PlayerKey::SwitchSound:
        choix.chooseMute(!choix.mute());
        SON::setMute(choix.mute());
        return true;
    case PlayerKey::Quit:
        return false;
    case PlayerKey::None:
        break;
    }
    return true;
}
