#include "game/utils/inputmanager.h"

#include <iostream>

#include "engine/toviconsole9/commandeconsole.h"

INPUTMANAGER::INPUTMANAGER() : laconsole(nullptr) {}

void INPUTMANAGER::reception(SDL_Event event)
{
    receptionconsole(event);
}

void INPUTMANAGER::receptionconsole(SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_WHEELUP)
            laconsole->move_cursor(10);
        else if (event.button.button == SDL_BUTTON_WHEELDOWN)
            laconsole->move_cursor(-10);
        break;
    case SDL_KEYDOWN:
        switch (event.key.keysym.sym) {
        case SDLK_RETURN:
            laconsole->execcommande();
            break;
        case SDLK_BACKSPACE:
            laconsole->removechar();
            break;
        case SDLK_UP:
            laconsole->getnextcommande();
            break;
        case SDLK_DOWN:
            laconsole->getpreviouscommande();
            break;
        default:
            laconsole->addchar(correspondance(&event.key.keysym));
            break;
        }
        break;
    default:
        break;
    }
}

void INPUTMANAGER::receptionjeu(SDL_Event event)
{
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_QUOTE)
            laconsole->setVisible(true);
    }
}

char INPUTMANAGER::correspondance(SDL_keysym* e)
{
    std::cout << int(e->sym) << std::endl;
    // The character the user's layout gives, when SDL translates it
    // (SDL_EnableUNICODE). Under X11 the key codes already follow the layout:
    // the French table below would translate them a second time. The console
    // draws and runs ASCII only; other characters type nothing.
    if (e->unicode >= 0x20 && e->unicode < 0x7F)
        return char(e->unicode);
    if (e->unicode >= 0x80)
        return 0;
    const int sym = e->sym;
    const bool shift = (e->mod & KMOD_SHIFT) != 0;
    // AltGr reaches SDL 1.2 under X11 as the mode key, not as right Alt.
    const bool alt = (e->mod & (KMOD_ALT | KMOD_MODE)) != 0;

    if (sym == SDLK_8)
        return '_';
    if (sym == SDLK_KP_MULTIPLY)
        return '*';
    if (sym == SDLK_SPACE)
        return ' ';
    if (sym == SDLK_PERIOD && shift)
        return '.';
    if (sym >= SDLK_a && sym <= SDLK_z)
        return shift ? char(sym & ~0x20) : char(sym);
    if (sym >= SDLK_0 && sym <= SDLK_9 && shift)
        return char(sym);
    if (sym == SDLK_5 && alt)
        return '[';
    if (sym == SDLK_LEFTBRACKET && alt)
        return ']';
    if (sym == SDLK_5)
        return '(';
    if (sym == SDLK_LEFTBRACKET)
        return ')';
    if (sym == SDLK_KP_MINUS)
        return '-';
    if (sym == SDLK_KP_PLUS)
        return '+';
    if (sym >= SDLK_KP0 && sym <= SDLK_KP9)
        return char((sym - 208) % 256);
    return 0;
}
