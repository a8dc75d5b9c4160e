#pragma once
// The drawn scroll-back of the in-game console: coloured lines, newest at the
// bottom, fed directly or through a text stream that is cut into lines when
// the console is next drawn.
#include <list>
#include <sstream>
#include <string>

#include "engine/platform/system.h"

class TOVI3D;
class CD3DFont;

namespace Mconsole {

struct CLINE {
    std::string ligne;
    DWORD color;
};

class TOVICONSOLE {
public:
    static constexpr DWORD COULEUR_TEXTE = 0xFFFFFF00u; // yellow: the console's own lines
    // Default look: its own "Arial" 10 font, 20 lines, spacing 1.47, yellow.
    explicit TOVICONSOLE(TOVI3D* tovi3d);
    TOVICONSOLE(TOVI3D* tovi3d, CD3DFont* font, DWORD color, int max_line, float ecart);
    virtual ~TOVICONSOLE();

    void setVisible(bool v) { visible = v; }
    bool isVisible() const { return visible; }
    void push_line(const char* text, DWORD color);
    void flush();
    // n > 0 scrolls towards older lines, n < 0 towards newer ones.
    void move_cursor(int n);
    virtual void display();

    // Where the shell writes; shown at the next flush.
    std::ostream* getStream() { return &oss; }
    // Newest first.
    const std::list<CLINE>& getlines() const { return malist; }

protected:
    void affichage_liste();

    bool visible;
    int max_line;
    TOVI3D* tovi3d;
    std::ostringstream oss;
    std::list<CLINE> malist;
    std::list<CLINE>::iterator malistit;
    int hauteur;
    float ecart;
    CD3DFont* m_pFont;
    DWORD color;

private:
    void setupFont();

    bool ownsFont = false;
};

} // namespace Mconsole
