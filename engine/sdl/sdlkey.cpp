#include "engine/sdl/sdlkey.h"

SDLKEY::SDLKEY() {}

void SDLKEY::createkey(SDLKey key)
{
    KeyStates[key] = false;
}

void SDLKEY::setkey(SDLKey key, bool pressed)
{
    KeyStates[key] = pressed;
}

bool SDLKEY::getkey(SDLKey key) const
{
    auto it = KeyStates.find(key);
    return it != KeyStates.end() && it->second;
}
