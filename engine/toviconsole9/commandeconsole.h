#pragma once
// The console's line editor: the edited line, the command history and the
// shell that runs entered lines.
#include <list>
#include <optional>
#include <string>

#include "engine/toviconsole9/toviconsole2.h"

class BASH;

class COMMANDECONSOLE : public Mconsole::TOVICONSOLE {
public:
    explicit COMMANDECONSOLE(TOVI3D* tovi3d);
    COMMANDECONSOLE(TOVI3D* tovi3d, CD3DFont* font, DWORD color, int max_line, float ecart);

    void setBash(BASH* b) { lebash = b; }
    void addchar(char c);
    void removechar();
    void execcommande();
    // Older entry of the history.
    void getnextcommande();
    // Newer entry of the history, or an empty line past the newest.
    void getpreviouscommande();
    // Runs every line of a text file; a file that cannot be opened is ignored.
    void callscript(const char* path);
    void display() override;
    void getkey(int) {}

    const char* getcurrentcommande() const { return currentcommande; }

protected:
    void affichage_currentcommande();

    char currentcommande[1024];
    int nbcharcurrentcommande;
    std::list<std::string> listhistory;
    std::optional<std::list<std::string>::iterator> historyiterator;
    BASH* lebash;

private:
    void setcommande(const std::string& s);
};
