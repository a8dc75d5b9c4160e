#include "game/utils/m_console.h"

#include "engine/bash/bash.h"
#include "engine/toviconsole9/commandeconsole.h"
#include "game/utils/inputmanager.h"
#include "game/utils/m_fenetre.h"

M_CONSOLE::M_CONSOLE(M_FENETRE* fenetre)
{
    console = new COMMANDECONSOLE(fenetre->getTovi3D());
    monbash = new BASH();
    monbash->setStream(console->getStream());
    inputmanager = new INPUTMANAGER();
    inputmanager->laconsole = console;
    console->setBash(monbash);
    // Typing follows the user's keyboard layout; SDL resets this when its video starts.
    SDL_EnableUNICODE(1);
}

void M_CONSOLE::input(SDL_Event event)
{
    inputmanager->receptionconsole(event);
}

void M_CONSOLE::display()
{
    console->display();
}
