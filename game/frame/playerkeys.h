#pragma once
// The keys the player has beyond F1 to F10: F11 switches full screen, M the
// sound. In full screen the window manager sees no key, so there Esc leaves
// full screen as F11 does and Alt+F4 ends the game as closing the window does.
#include <SDL/SDL.h>

class FENETRESDL;
class PlayerChoices;

enum class PlayerKey { None, SwitchFullscreen, LeaveFullscreen, SwitchSound, Quit };

PlayerKey playerKey(SDLKey key, SDLMod mod, bool fullscreen);

// Does what the key asks of the window and the sound and keeps the player's
// choice; false when the game is to end.
bool applyPlayerKey(PlayerKey key, FENETRESDL& fenetre, PlayerChoices& choix);
