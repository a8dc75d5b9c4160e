#pragma once
// Turns SDL events into the console's editing actions. A key types the
// character of the user's keyboard layout; keys without one (the keypad with
// Num Lock off, Ctrl combinations) go through the key table of a French keyboard.
#include <SDL/SDL.h>

class COMMANDECONSOLE;

class INPUTMANAGER {
public:
    INPUTMANAGER();

    void reception(SDL_Event event);
    void receptionconsole(SDL_Event& event);
    // Drains the whole SDL queue; only the quote key does something: it
    // shows the console.
    void receptionjeu(SDL_Event event);
    // The character a key press types, 0 for none. Traces the key code.
    // Reads the keysym's unicode first: the owner enables SDL's translation.
    char correspondance(SDL_keysym* e);
    void setfocus(int) {}

    COMMANDECONSOLE* laconsole;
};
