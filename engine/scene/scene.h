#pragma once
// The inner node of the scene graph: owns copies of its children and draws
// them under its world matrix. Scenes are numbered by their decimal path.
#include "engine/manager/element3d.h"

#include <cstdint>
#include <vector>

class SCENE : public ELEMENT3D {
public:
    explicit SCENE(D3DXMATRIXA16* m);
    // Destroys the children: the scene is their only holder.
    ~SCENE() override;

    void print(std::ostream& os) override;
    void printXML(std::ostream& os) override;
    void afficher(D3DXMATRIXA16* parentWorld) override;
    ELEMENT3D* copy() override;
    // Passes the texture and index to every direct child.
    bool settexture(TEXTURE* texture, int8_t index) override;

    // Stores a copy of element, never element itself; false for null.
    bool addelement3d(ELEMENT3D* element);
    // Appends a new scene with matrix m holding a copy of element (if any).
    bool addscene(ELEMENT3D* element, D3DXMATRIXA16* m);
    unsigned getNumelement();
    // One-based; null outside 1 to getNumelement().
    ELEMENT3D* getElement(unsigned i);
    void setfilsmatrice(D3DXMATRIXA16* m);
    void setfilvisible(bool visible);

    void setHierachy(unsigned n);
    unsigned getHierarchy();
    SCENE* getScene(unsigned n);

private:
    uint32_t indicehierachiy;
    std::vector<ELEMENT3D*> elements;
};
