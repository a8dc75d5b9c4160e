#include "engine/scene/scene.h"

SCENE::SCENE(D3DXMATRIXA16* m) : ELEMENT3D(m), indicehierachiy(1) {}

SCENE::~SCENE()
{
    for (ELEMENT3D* e : elements)
        delete e;
}

bool SCENE::addelement3d(ELEMENT3D* element)
{
    if (!element)
        return false;
    ELEMENT3D* c = element->copy();
    c->setParent(this);
    elements.push_back(c);
    setHierachy(indicehierachiy);
    return true;
}

bool SCENE::addscene(ELEMENT3D* element, D3DXMATRIXA16* m)
{
    SCENE* s = new SCENE(m);
    s->addelement3d(element);
    s->setParent(this);
    elements.push_back(s);
    setHierachy(indicehierachiy);
    return true;
}

unsigned SCENE::getNumelement() { return (unsigned)elements.size(); }

ELEMENT3D* SCENE::getElement(unsigned i)
{
    if (i < 1 || i > elements.size())
        return nullptr;
    return elements[i - 1];
}

void SCENE::setfilsmatrice(D3DXMATRIXA16* m)
{
    for (ELEMENT3D* e : elements)
        e->setmatrice(m);
}

void SCENE::setfilvisible(bool v)
{
    for (ELEMENT3D* e : elements)
        e->setVisible(v);
}

void SCENE::setHierachy(unsigned n)
{
    indicehierachiy = n;
    for (size_t i = 0; i < elements.size(); ++i)
        if (SCENE* s = dynamic_cast<SCENE*>(elements[i]))
            s->setHierachy(n * 10 + (unsigned)i + 1);
}

unsigned SCENE::getHierarchy() { return indicehierachiy; }

SCENE* SCENE::getScene(unsigned n)
{
    if (indicehierachiy == n)
        return this;
    for (ELEMENT3D* e : elements)
        if (SCENE* s = dynamic_cast<SCENE*>(e))
            if (SCENE* found = s->getScene(n))
                return found;
    return nullptr;
}

bool SCENE::settexture(TEXTURE* texture, int8_t index)
{
    for (ELEMENT3D* e : elements)
        e->settexture(texture, index);
    return true;
}

void SCENE::afficher(D3DXMATRIXA16* parentWorld)
{
    if (!visible)
        return;
    D3DXMATRIXA16 world = monde(parentWorld);
    for (ELEMENT3D* e : elements)
        e->afficher(&world);
}

ELEMENT3D* SCENE::copy()
{
    SCENE* s = new SCENE(matrice);
    s->setParent(parent);
    for (ELEMENT3D* e : elements)
        s->addelement3d(e);
    s->setHierachy(1);
    return s;
}

void SCENE::print(std::ostream& os)
{
    os << TAB() << "SCENE : " << indicehierachiy << std::endl;
    for (ELEMENT3D* e : elements)
        e->print(os);
}

void SCENE::printXML(std::ostream& os)
{
    os << "<scene    matrice = \"" << getMatValues() << "\" >" << std::endl;
    for (ELEMENT3D* e : elements)
        e->printXML(os);
    os << "</scene>" << std::endl;
}
