#pragma once
// The abstract node of the scene graph: a local matrix under an optional parent.
#include "engine/platform/d3dx9.h"

#include <cstdint>
#include <iostream>
#include <string>

class TEXTURE;

class ELEMENT3D {
public:
    static IDirect3DDevice9* device;

    // A null matrix gives the identity; the pointer is not kept.
    explicit ELEMENT3D(D3DXMATRIXA16* m);
    virtual ~ELEMENT3D();
    ELEMENT3D(const ELEMENT3D&) = delete;
    ELEMENT3D& operator=(const ELEMENT3D&) = delete;

    virtual void print(std::ostream& os);
    virtual void printXML(std::ostream& os);
    // parentWorld is the parent's world matrix, or null for a root.
    virtual void afficher(D3DXMATRIXA16* parentWorld) = 0;
    virtual ELEMENT3D* copy() = 0;
    virtual bool settexture(TEXTURE* texture, int8_t index);
    virtual void setVisible(bool visible);

    bool getVisible();
    void setmatrice(D3DXMATRIXA16* m);
    // The element's own matrix: writing through it moves the element.
    D3DXMATRIXA16* getmatrice();
    void setParent(ELEMENT3D* parent);
    ELEMENT3D* getParent();
    int getDepth();
    std::string TAB();
    void setName(const char* name);
    const char* getName();
    // The sixteen entries in row order, one space apart.
    std::string getMatValues();

protected:
    // local, or local x parentWorld.
    D3DXMATRIXA16 monde(D3DXMATRIXA16* parentWorld);

    D3DXMATRIXA16* matrice;
    ELEMENT3D* parent;
    std::string name;
    bool visible;
};

// Three spaces per level; nothing for zero or less.
std::string tabBuilder(int n);

std::ostream& operator<<(std::ostream& os, ELEMENT3D* element);
