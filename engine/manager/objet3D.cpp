#include "engine/manager/objet3D.h"

#include "engine/manager/xmlnom.h"

OBJET3D::OBJET3D(CONTENEUR* c, MATERIEL* m, TEXTURE* t, D3DXMATRIXA16* matrix) : ELEMENT3D(matrix), conteneur(nullptr)
{
    setConteneur(c);
    settexture(t, 0);
    setmateriel(m, 0);
}

OBJET3D::~OBJET3D()
{
    std::cout << "wtf objet3d" << std::endl;
    for (MATERIEL* m : possedes)
        delete m;
}

void OBJET3D::setConteneur(CONTENEUR* c)
{
    conteneur = c;
    if (c)
        aspect.assign(c->dwNumMaterials > 0 ? (size_t)c->dwNumMaterials : 0, ASPECT());
}

CONTENEUR* OBJET3D::getConteneur() { return conteneur; }

int OBJET3D::getNumelement() { return conteneur && conteneur->dwNumMaterials > 0 ? conteneur->dwNumMaterials : 0; }

ASPECT* OBJET3D::getAspect(int i)
{
    if (i < 0 || i >= getNumelement() || (size_t)i >= aspect.size())
        return nullptr;
    return &aspect[(size_t)i];
}

bool OBJET3D::settexture(TEXTURE* texture, int8_t index)
{
    ASPECT* a = getAspect(index);
    return a ? a->settexture(texture, 0) : false;
}

bool OBJET3D::setmateriel(MATERIEL* materiel, int8_t index)
{
    ASPECT* a = getAspect(index);
    return a ? a->setmateriel(materiel) : false;
}

void OBJET3D::adoptmateriel(MATERIEL* materiel)
{
    if (materiel)
        possedes.push_back(materiel);
}

void OBJET3D::afficher(D3DXMATRIXA16* parentWorld)
{
    if (!visible)
        return;
    D3DXMATRIXA16 world = monde(parentWorld);
    device->SetTransform(D3DTS_WORLD, &world);
    for (int i = 0; i < getNumelement(); ++i) {
        aspect[(size_t)i].afficheaspect();
        conteneur->draw(i);
    }
}

ELEMENT3D* OBJET3D::copy()
{
    OBJET3D* o = new OBJET3D(conteneur, nullptr, nullptr, matrice);
    for (int i = 0; i < getNumelement(); ++i) {
        MATERIEL* m = new MATERIEL(aspect[(size_t)i].getMateriel());
        o->adoptmateriel(m);
        o->setmateriel(m, (int8_t)i);
        o->settexture(aspect[(size_t)i].getTexture(0), (int8_t)i);
    }
    return o;
}

void OBJET3D::print(std::ostream& os) { os << TAB() << "OBJET3D nummat : " << getNumelement() << std::endl; }

void OBJET3D::printXML(std::ostream& os)
{
    os << "<objet3d conteneur = \"";
    writeXMLName(os, conteneur ? conteneur->getName() : "");
    os << "\"   matrice = \"" << getMatValues() << "\" >" << std::endl;
    for (int i = 0; i < getNumelement(); ++i) {
        ASPECT& a = aspect[(size_t)i];
        // A subset without material has no values to write; reading it back leaves it without one too.
        if (a.getMateriel())
            os << "<materiel values = \"" << a.getMateriel()->getValues() << "\"></materiel>" << std::endl;
        for (int s = 0; s < 8; ++s) {
            if (TEXTURE* t = a.getTexture(s)) {
                os << "<texture nom = \"";
                writeXMLName(os, t->getName()) << "\"   stage = \"" << s << "\" ></texture>" << std::endl;
            }
        }
    }
    os << "</objet3d>" << std::endl;
}
