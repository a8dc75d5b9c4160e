#include "engine/toviconsole9/toviconsole2.h"

#include "engine/libD3D/d3dfont.h"
#include "engine/tovi3d/tovi3D.h"

namespace Mconsole {

TOVICONSOLE::TOVICONSOLE(TOVI3D* t)
    : visible(true), max_line(20), tovi3d(t), malistit(malist.begin()), hauteur(10), ecart(1.47f),
      m_pFont(new CD3DFont("Arial", 10, 0)), color(COULEUR_TEXTE), ownsFont(true)
{
    setupFont();
}

TOVICONSOLE::TOVICONSOLE(TOVI3D* t, CD3DFont* font, DWORD c, int lines, float spacing)
    : visible(true), max_line(lines), tovi3d(t), malistit(malist.begin()), hauteur(int(font->getHeight())),
      ecart(spacing), m_pFont(font), color(c)
{
    setupFont();
}

TOVICONSOLE::~TOVICONSOLE()
{
    // A font given by the caller may be shared: only our own goes with us.
    if (ownsFont)
        delete m_pFont;
}

void TOVICONSOLE::setupFont()
{
    m_pFont->InitDeviceObjects(tovi3d ? tovi3d->pD3dDevice : nullptr);
    m_pFont->RestoreDeviceObjects();
}

void TOVICONSOLE::push_line(const char* text, DWORD c)
{
    malist.push_front(CLINE{text ? text : "", c});
    malistit = malist.begin();
}

void TOVICONSOLE::flush()
{
    std::string text = oss.str();
    if (text.empty())
        return;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            push_line(text.substr(start).c_str(), COULEUR_TEXTE);
            break;
        }
        push_line(text.substr(start, end - start).c_str(), COULEUR_TEXTE);
        start = end + 1;
    }
    oss.str("");
    oss.clear();
}

void TOVICONSOLE::move_cursor(int n)
{
    for (; n > 0 && malistit != malist.end(); --n)
        ++malistit;
    for (; n < 0 && malistit != malist.begin(); ++n)
        --malistit;
}

void TOVICONSOLE::display()
{
    if (!visible)
        return;
    flush();
    affichage_liste();
}

void TOVICONSOLE::affichage_liste()
{
    auto it = malistit;
    for (int k = 0; k < max_line && it != malist.end(); ++k, ++it) {
        float y = float(max_line * hauteur - (k + 1) * hauteur) * ecart;
        m_pFont->DrawTextA(0.0f, y, it->color, it->ligne.c_str(), 0);
    }
}

} // namespace Mconsole
