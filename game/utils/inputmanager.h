#pragma once
// Turns SDL events into the console's editing actions, with the key table of
// a French keyboard.
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
    char correspondance(SDL_keysym* e);
    void setfocus(int) {}

    COMMANDECONSOLE* laconsole;
};
