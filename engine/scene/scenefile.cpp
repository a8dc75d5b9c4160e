#include "engine/scene/scenefile.h"

#include <sys/stat.h>
#include <tinyxml.h>

#include <climits>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "engine/manager/materiel.h"
#include "engine/manager/matrice.h"
#include "engine/manager/texture.h"
#include "engine/manager/xmlnom.h"
#include "engine/scene/xmldepth.h"

namespace {

bool isElement(TiXmlNode* node, const char* name)
{
    return node && node->ToElement() && std::string(node->Value()) == name;
}

TiXmlAttribute* firstAttribute(TiXmlNode* node)
{
    TiXmlElement* element = node ? node->ToElement() : nullptr;
    return element ? element->FirstAttribute() : nullptr;
}

// The file's text as TiXmlDocument::LoadFile hands it to the parser: line
// ends made "\n", cut at the first NUL. Null when it was read; otherwise a
// reason to add to the failure line ("" when none is worth giving).
const char* lireFichier(const char* path, std::string& texte)
{
    // TinyXML sizes its buffer from the file's end offset: a directory's
    // answers a size no allocation can hold. Only regular files are read.
    struct stat etat;
    if (!path || stat(path, &etat) != 0 || !S_ISREG(etat.st_mode))
        return "";
    if (etat.st_size > LOAD_FILE::TAILLE_MAX)
        return " : plus de 16 Mio";
    std::FILE* f = std::fopen(path, "rb");
    if (!f)
        return "";
    std::string brut(static_cast<size_t>(etat.st_size) + 1, '\0');
    size_t lus = std::fread(&brut[0], 1, brut.size(), f);
    std::fclose(f);
    if (lus > static_cast<size_t>(LOAD_FILE::TAILLE_MAX))
        return " : plus de 16 Mio";
    brut.resize(lus);
    texte.clear();
    texte.reserve(lus);
    for (size_t i = 0; i < lus && brut[i]; ++i) {
        if (brut[i] == '\r') {
            texte += '\n';
            if (i + 1 < lus && brut[i + 1] == '\n')
                ++i;
        } else {
            texte += brut[i];
        }
    }
    return nullptr;
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
    setXMLEscaping(text, true);
    element->printXML(text);
    fichier << text.str();
    fichier.flush();
}

LOAD_FILE::LOAD_FILE(MANAGER* m) : fichier(nullptr), manager(m), bufferscene(nullptr) {}

SCENE* LOAD_FILE::chargersceneXML(const char* path)
{
    bufferscene = nullptr;
    std::string texte;
    const char* raison = lireFichier(path, texte);
    // TinyXML recurses once per level of elements: a deep file would end the
    // process inside the parser, so the depth is known before it runs.
    if (!raison && !xmlNestingWithin(texte.c_str(), PROFONDEUR_MAX))
        raison = " : plus de 256 niveaux d'elements";
    static_assert(PROFONDEUR_MAX == 256 && TAILLE_MAX == 16L << 20, "the reasons name the limits");
    TiXmlDocument document(path ? path : "");
    if (!raison)
        document.Parse(texte.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    if (raison || document.Error() || !document.RootElement()) {
        std::cerr << "fail du chargement de ficher de SCENE" << (raison ? raison : "") << std::endl;
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
