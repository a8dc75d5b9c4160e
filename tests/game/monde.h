#pragma once
// A small world for the game tests: a director, the factory, and elements that
// remember how they were drawn instead of drawing.
#include "engine/manager/element3d.h"
#include "engine/manager/texture.h"
#include "engine/manager/xmanager.h"
#include "game/entities/Entitee.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

struct ElementTemoin : public ELEMENT3D {
    ElementTemoin() : ELEMENT3D(nullptr) {}
    void afficher(D3DXMATRIXA16* m) override { dessins.push_back(*m); }
    ELEMENT3D* copy() override { return new ElementTemoin; }
    bool settexture(TEXTURE* t, int8_t) override
    {
        texture = t;
        return true;
    }
    std::vector<D3DXMATRIXA16> dessins;
    TEXTURE* texture = nullptr;
};

// Hands the entity over at (x, y) and lets it join the director's map.
template <class T>
T* poserDans(Zeus& zeus, T* e, float x, float y)
{
    e->setXY(x, y);
    zeus.addEntiteeToWorld(e);
    zeus.inserer();
    return e;
}

class Monde : public ::testing::Test {
protected:
    void SetUp() override
    {
        gameSrand(1234);
        manager = std::make_unique<XMANAGER>(nullptr);
        for (const char* nom : {"poulet", "scie", "taser", "barre", "grain", "oeuf", "sang", "piston"}) {
            elements[nom] = std::make_unique<ElementTemoin>();
            manager->loadelement3d(elements[nom].get(), nom);
        }
        for (const char* nom : {"poulet1_1_tex", "poulet1_2_tex", "poulet2_1_tex", "poulet2_2_tex", "taser_inactif_tex",
                                "taser_charge_tex", "taser_eclaire_1_tex", "taser_eclaire_2_tex"}) {
            textures[nom] = std::make_unique<TEXTURE>(nullptr);
            manager->loadtexture(textures[nom].get(), nom);
        }
        zeus = std::make_unique<Zeus>();
        Gaya::init(zeus.get(), manager.get());
    }

    void TearDown() override
    {
        zeus.reset();
        Gaya::init(nullptr, nullptr);
    }

    template <class T>
    T* poser(T* e, float x, float y)
    {
        return poserDans(*zeus, e, x, y);
    }

    ElementTemoin* element(const std::string& nom) { return elements[nom].get(); }
    TEXTURE* texture(const std::string& nom) { return textures[nom].get(); }

    int compter(ETYPE type, bool fileAussi = false)
    {
        int n = 0;
        for (auto& e : zeus->rEntiteMap_)
            n += e.second->type == type;
        if (fileAussi)
            for (Entitee* e : zeus->rAInsererVec_)
                n += e->type == type;
        return n;
    }

    int enFile(ETYPE type)
    {
        int n = 0;
        for (Entitee* e : zeus->rAInsererVec_)
            n += e->type == type;
        return n;
    }

    std::unique_ptr<XMANAGER> manager;
    std::map<std::string, std::unique_ptr<ElementTemoin>> elements;
    std::map<std::string, std::unique_ptr<TEXTURE>> textures;
    std::unique_ptr<Zeus> zeus;
};
