#pragma once
// A console host on a game window: a drawn console, a command shell writing
// into it and an input manager feeding it.
#include <SDL/SDL.h>

class BASH;
class COMMANDECONSOLE;
class INPUTMANAGER;
class M_FENETRE;

class M_CONSOLE {
public:
    explicit M_CONSOLE(M_FENETRE* fenetre);

    void input(SDL_Event event);
    // Draws through the device: call between debutscene and afficherscene.
    void display();
    // Holds no command: register them with loaddefaultbashapp and
    // loadtovi3Ddefaultbashapp.
    BASH* getBash() { return monbash; }
    INPUTMANAGER* getInputmanager() { return inputmanager; }
    COMMANDECONSOLE* getConsole() { return console; }

private:
    COMMANDECONSOLE* console;
    BASH* monbash;
    INPUTMANAGER* inputmanager;
};
