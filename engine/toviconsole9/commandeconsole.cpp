#include "engine/toviconsole9/commandeconsole.h"

#include <cstring>
#include <fstream>

#include "engine/bash/bash.h"
#include "engine/libD3D/d3dfont.h"

namespace {
const DWORD kEchoColor = 0xFFFF0000u;
const int kMaxChars = 1023;
} // namespace

COMMANDECONSOLE::COMMANDECONSOLE(TOVI3D* t)
    : TOVICONSOLE(t), nbcharcurrentcommande(0), lebash(nullptr)
{
    currentcommande[0] = 0;
}

COMMANDECONSOLE::COMMANDECONSOLE(TOVI3D* t, CD3DFont* font, DWORD c, int lines, float spacing)
    : TOVICONSOLE(t, font, c, lines, spacing), nbcharcurrentcommande(0), lebash(nullptr)
{
    currentcommande[0] = 0;
}

void COMMANDECONSOLE::addchar(char c)
{
    if (c == 0 || nbcharcurrentcommande >= kMaxChars)
        return;
    currentcommande[nbcharcurrentcommande++] = c;
    currentcommande[nbcharcurrentcommande] = 0;
}

void COMMANDECONSOLE::removechar()
{
    if (nbcharcurrentcommande > 0)
        currentcommande[--nbcharcurrentcommande] = 0;
}

void COMMANDECONSOLE::setcommande(const std::string& s)
{
    size_t n = s.size() < size_t(kMaxChars) ? s.size() : size_t(kMaxChars);
    std::memcpy(currentcommande, s.data(), n);
    currentcommande[n] = 0;
    nbcharcurrentcommande = int(n);
}

void COMMANDECONSOLE::execcommande()
{
    // The command's output waits in the stream, so it shows below the echo.
    if (lebash)
        lebash->call(currentcommande);
    push_line(currentcommande, kEchoColor);
    listhistory.push_front(currentcommande);
    historyiterator.reset();
    setcommande("");
}

void COMMANDECONSOLE::getnextcommande()
{
    if (!historyiterator) {
        if (listhistory.empty())
            return;
        historyiterator = listhistory.begin();
    } else {
        ++*historyiterator;
    }
    if (*historyiterator == listhistory.end()) {
        --*historyiterator;
        return;
    }
    setcommande(**historyiterator);
}

void COMMANDECONSOLE::getpreviouscommande()
{
    if (historyiterator && *historyiterator != listhistory.begin()) {
        --*historyiterator;
        setcommande(**historyiterator);
        return;
    }
    historyiterator.reset();
    setcommande("");
}

void COMMANDECONSOLE::callscript(const char* path)
{
    std::ifstream file(path);
    if (!file)
        return;
    push_line((std::string("loading file ") + path).c_str(), COULEUR_TEXTE);
    for (std::string line; std::getline(file, line);) {
        // Scripts written on Windows end their lines with CR LF.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lebash)
            lebash->call(line.c_str());
        else
            push_line(line.c_str(), COULEUR_TEXTE);
    }
}

void COMMANDECONSOLE::display()
{
    TOVICONSOLE::display();
    if (visible)
        affichage_currentcommande();
}

void COMMANDECONSOLE::affichage_currentcommande()
{
    char ligne[1026];
    std::memcpy(ligne, currentcommande, size_t(nbcharcurrentcommande));
    // Blinks once a second: a space for the first half, '_' for the second.
    ligne[nbcharcurrentcommande] = timeGetTime() % 1000 <= 500 ? ' ' : '_';
    ligne[nbcharcurrentcommande + 1] = 0;
    float y = float(max_line * hauteur + 1) * ecart;
    m_pFont->DrawTextA(0.0f, y, color, ligne, 0);
}
