#include "engine/scene/scenefile.h"

#include <sys/stat.h>
#include <tinyxml.h>

#include <climits>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/manager/aspect.h"
#include "engine/manager/conteneur.h"
#include "engine/manager/materiel.h"
#include "engine/manager/matrice.h"
#include "engine/manager/texture.h"

namespace {

std::string escapeXML(const std::string& raw)
{
    std::string out;
    for (unsigned char c : raw) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default:
            if (c < 32) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "&#x%02X;", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

using Replacement = std::pair<std::string, std::string>;

void addName(std::vector<Replacement>& list, const char* prefix, const char* name)
{
    std::string raw = name ? name : "";
    std::string escaped = escapeXML(raw);
    if (raw != escaped)
        list.emplace_back(prefix + raw + "\"", prefix + escaped + "\"");
}

// The names in the order printXML writes them: each object's container, then
// the textures of its subsets, stage by stage.
void collectNames(ELEMENT3D* element, std::vector<Replacement>& list)
{
    if (auto* scene = dynamic_cast<SCENE*>(element)) {
        for (unsigned i = 1; i <= scene->getNumelement(); ++i)
            collectNames(scene->getElement(i), list);
    } else if (auto* objet = dynamic_cast<OBJET3D*>(element)) {
        if (objet->getConteneur())
            addName(list, "<objet3d conteneur = \"", objet->getConteneur()->getName());
        for (int i = 0; i < objet->getNumelement(); ++i) {
            ASPECT* aspect = objet->getAspect(i);
            for (int stage = 0; stage < 8; ++stage)
                if (TEXTURE* texture = aspect->getTexture(stage))
                    addName(list, "<texture nom = \"", texture->getName());
        }
    }
}

// Rewrites each name where it stands, in document order; a name that is not
// found where expected is left alone.
std::string escapeNames(ELEMENT3D* element, std::string text)
{
    std::vector<Replacement> list;
    collectNames(element, list);
    std::size_t pos = 0;
    for (const auto& r : list) {
        std::size_t at = text.find(r.first, pos);
        if (at == std::string::npos)
            continue;
        text.replace(at, r.first.size(), r.second);
        pos = at + r.second.size();
    }
    return text;
}

bool isElement(TiXmlNode* node, const char* name)
{
    return node && node->ToElement() && std::string(node->Value()) == name;
}

TiXmlAttribute* firstAttribute(TiXmlNode* node)
{
    TiXmlElement* element = node ? node->ToElement() : nullptr;
    return element ? element->FirstAttribute() : nullptr;
}

} // namespace

SAVE_FILE::SAVE_FILE(const char* path)
{
    if (path)
        fichier.open(path, std::ios::out | std::ios::trunc);
    if (!fichier.is_open())
        std::cerr << "fail du sauvgarde de ficher de SCENE" << std::endl;
}

SAVE_FILE::~SAVE_FILE()
{
    if (fichier.is_open())
        fichier.close();
}

void SAVE_FILE::sauversceneXML(ELEMENT3D* element)
{
    if (!element || !fichier.is_open())
        return;
    std::ostringstream text;
    element->printXML(text);
    fichier << escapeNames(element, text.str());
    fichier.flush();
}

LOAD_FILE::LOAD_FILE(MANAGER* m) : fichier(nullptr), manager(m), bufferscene(nullptr) {}

SCENE* LOAD_FILE::chargersceneXML(const char* path)
{
    bufferscene = nullptr;
    TiXmlDocument document(path ? path : "");
    // TinyXML sizes its buffer from the file's end offset: a directory's
    // answers a size no allocation can hold. Only regular files are read.
    struct stat etat;
    bool fichierOrdinaire = path && stat(path, &etat) == 0 && S_ISREG(etat.st_mode);
    if (!fichierOrdinaire || !document.LoadFile() || !document.RootElement()) {
        std::cerr << "fail du chargement de ficher de SCENE" << std::endl;
        return nullptr;
    }
    return sceneXML(document.RootElement());
}

SCENE* LOAD_FILE::sceneXML(TiXmlNode* node)
{
    SCENE* scene = new SCENE(nullptr);
    for (TiXmlAttribute* a = firstAttribute(node); a; a = a->Next()) {
        if (std::string(a->Name()) == "matrice") {
            D3DXMATRIXA16 m;
            D3DXMatrixIdentity(&m);
            D3DXMatrixValues(&m, a->Value());
            scene->setmatrice(&m);
        }
    }
    if (node)
        for (TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling())
            ParcoursSCENE(child, scene);
    return scene;
}

void LOAD_FILE::ParcoursSCENE(TiXmlNode* node, SCENE* scene)
{
    if (!scene)
        return;
    // The scene keeps copies: what was read here is released at once.
    if (isElement(node, "scene")) {
        SCENE* child = sceneXML(node);
        scene->addelement3d(child);
        delete child;
    } else if (isElement(node, "objet3d")) {
        OBJET3D* child = objet3dXML(node);
        scene->addelement3d(child);
        delete child;
    }
}

OBJET3D* LOAD_FILE::objet3dXML(TiXmlNode* node)
{
    OBJET3D* objet = new OBJET3D(nullptr, nullptr, nullptr, nullptr);
    for (TiXmlAttribute* a = firstAttribute(node); a; a = a->Next()) {
        std::string name = a->Name();
        if (name == "conteneur")
            objet->setConteneur(manager ? manager->getconteneur(a->Value()) : nullptr);
        if (name == "matrice") {
            D3DXMATRIXA16 m;
            D3DXMatrixIdentity(&m);
            D3DXMatrixValues(&m, a->Value());
            objet->setmatrice(&m);
        }
    }
    if (node)
        for (TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling())
            ParcoursOBJET3D(child, objet);
    return objet;
}

void LOAD_FILE::ParcoursOBJET3D(TiXmlNode* node, OBJET3D* objet)
{
    if (!objet)
        return;
    if (isElement(node, "materiel")) {
        for (TiXmlAttribute* a = firstAttribute(node); a; a = a->Next()) {
            if (std::string(a->Name()) != "values")
                continue;
            MATERIEL* materiel = MATERIEL::loadmateriel(a->Value());
            objet->adoptmateriel(materiel);
            objet->setmateriel(materiel, 0);
        }
    } else if (isElement(node, "texture")) {
        std::string nom;
        int stage = 0;
        for (TiXmlAttribute* a = firstAttribute(node); a; a = a->Next()) {
            std::string name = a->Name();
            if (name == "nom")
                nom = a->Value();
            else if (name == "stage")
                stage = a->IntValue();
        }
        TEXTURE* texture = manager ? manager->gettexture(nom.c_str()) : nullptr;
        // The written stage is taken as the subset number.
        if (stage >= 0 && stage <= SCHAR_MAX)
            objet->settexture(texture, static_cast<int8_t>(stage));
    }
}
