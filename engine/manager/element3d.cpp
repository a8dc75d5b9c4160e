#include "engine/manager/element3d.h"

#include <sstream>

IDirect3DDevice9* ELEMENT3D::device = nullptr;

ELEMENT3D::ELEMENT3D(D3DXMATRIXA16* m) : matrice(new D3DXMATRIXA16), parent(nullptr), visible(true)
{
    setmatrice(m);
}

ELEMENT3D::~ELEMENT3D()
{
    std::cout << "wtf element3d" << std::endl;
    delete matrice;
}

void ELEMENT3D::print(std::ostream& os) { os << "element3d bidon" << std::endl; }

void ELEMENT3D::printXML(std::ostream& os)
{
    os << "<element3d  matrice = \"" << getMatValues() << "\" > </element3d>" << std::endl;
}

bool ELEMENT3D::settexture(TEXTURE*, int8_t) { return false; }

void ELEMENT3D::setVisible(bool v) { visible = v; }

bool ELEMENT3D::getVisible() { return visible; }

void ELEMENT3D::setmatrice(D3DXMATRIXA16* m)
{
    if (m)
        *matrice = *m;
    else
        D3DXMatrixIdentity(matrice);
}

D3DXMATRIXA16* ELEMENT3D::getmatrice() { return matrice; }

void ELEMENT3D::setParent(ELEMENT3D* p) { parent = p; }

ELEMENT3D* ELEMENT3D::getParent() { return parent; }

int ELEMENT3D::getDepth() { return parent ? parent->getDepth() + 1 : 0; }

std::string ELEMENT3D::TAB() { return tabBuilder(getDepth()); }

void ELEMENT3D::setName(const char* n) { name = n ? n : ""; }

const char* ELEMENT3D::getName() { return name.c_str(); }

std::string ELEMENT3D::getMatValues()
{
    std::ostringstream os;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            if (r || c)
                os << ' ';
            os << matrice->m[r][c];
        }
    return os.str();
}

D3DXMATRIXA16 ELEMENT3D::monde(D3DXMATRIXA16* parentWorld)
{
    D3DXMATRIXA16 w = *matrice;
    if (parentWorld)
        D3DXMatrixMultiply(&w, matrice, parentWorld);
    return w;
}

std::string tabBuilder(int n) { return n > 0 ? std::string(3 * (size_t)n, ' ') : std::string(); }

std::ostream& operator<<(std::ostream& os, ELEMENT3D* element)
{
    if (element)
        element->print(os);
    return os;
}
