// XML scene files through LOAD_FILE::chargersceneXML, names resolved in a
// manager that holds the game's meshes, materials and elements; a loaded
// scene is drawn, written back as XML and that text loaded again.
#include "engine/scene/scenefile.h"
#include "engine/scene/xmldepth.h"
#include "fuzz/support.h"

#include <tinyxml.h>

#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// The depth check must see at least the nesting TinyXML builds: checked on
// every input TinyXML reads without error (and shallow enough to parse here).
void verifierProfondeur(const uint8_t* data, size_t size)
{
    std::string texte(reinterpret_cast<const char*>(data), size);
    texte.resize(std::strlen(texte.c_str()));
    if (!xmlNestingWithin(texte.c_str(), 1000))
        return;
    TiXmlDocument document;
    document.Parse(texte.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    if (document.Error())
        return;
    int profondeur = 0;
    std::vector<std::pair<const TiXmlNode*, int>> pile{{&document, 0}};
    while (!pile.empty()) {
        auto [noeud, niveau] = pile.back();
        pile.pop_back();
        if (noeud->ToElement() && niveau > profondeur)
            profondeur = niveau;
        for (const TiXmlNode* c = noeud->FirstChild(); c; c = c->NextSibling())
            pile.push_back({c, niveau + (c->ToElement() ? 1 : 0)});
    }
    if (profondeur > 0 && xmlNestingWithin(texte.c_str(), profondeur - 1))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    verifierProfondeur(data, size);
    fuzz::ManagerJetable manager;
    std::string nom = fuzz::ecrire("scene.xml", data, size);
    LOAD_FILE lecteur(&manager);
    SCENE* scene = lecteur.chargersceneXML(nom.c_str());
    if (!scene)
        return 0;
    D3DXMATRIXA16 monde;
    D3DXMatrixIdentity(&monde);
    scene->afficher(&monde);
    {
        SAVE_FILE ecrit("relue.xml");
        ecrit.sauversceneXML(scene);
    }
    delete scene;
    delete lecteur.chargersceneXML("relue.xml");
    return 0;
}
