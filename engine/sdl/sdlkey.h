#pragma once
// Pressed state of the keys seen so far, kept up to date by the main loop.
#include <SDL/SDL.h>

#include <map>

class SDLKEY {
public:
    SDLKEY();

    void createkey(SDLKey key);
    void setkey(SDLKey key, bool pressed);
    bool getkey(SDLKey key) const;

private:
    std::map<SDLKey, bool> KeyStates;
};
