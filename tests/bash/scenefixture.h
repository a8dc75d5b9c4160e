#pragma once
// A manager holding one single-subset container, one texture and one material,
// with no device behind them.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/manager/conteneur.h"
#include "engine/manager/materiel.h"
#include "engine/manager/texture.h"
#include "engine/manager/xmanager.h"

class FakeConteneur : public CONTENEUR {
public:
    explicit FakeConteneur(int subsets) { dwNumMaterials = static_cast<int8_t>(subsets); }
    void draw(int) override {}
};

struct SceneResources {
    XMANAGER manager{nullptr};
    std::vector<CONTENEUR*> conteneurs;
    std::vector<TEXTURE*> textures;
    std::vector<MATERIEL*> materiels;

    CONTENEUR* conteneur(const char* name, int subsets = 1)
    {
        auto* c = new FakeConteneur(subsets);
        conteneurs.push_back(c);
        manager.loadconteneur(c, name);
        return c;
    }
    TEXTURE* texture(const char* name)
    {
        auto* t = new TEXTURE(nullptr);
        textures.push_back(t);
        manager.loadtexture(t, name);
        return t;
    }
    MATERIEL* materiel(float base)
    {
        auto* m = MATERIEL::loadmateriel(base, 0.5f, 0.25f, 1, 0.1f, 0.2f, 0.3f, 1, 0, 0, 0, 1, 1, 1, 1, 1, 20);
        materiels.push_back(m);
        return m;
    }
    ~SceneResources()
    {
        for (auto* c : conteneurs)
            delete c;
        for (auto* t : textures)
            delete t;
        for (auto* m : materiels)
            delete m;
    }
};

inline std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

inline void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}
