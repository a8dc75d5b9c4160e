#pragma once
// Scene trees as XML files: written through the elements' printXML, read back
// through the resource manager's names.
#include <fstream>

#include "engine/manager/element3d.h"
#include "engine/manager/manager.h"
#include "engine/manager/objet3D.h"
#include "engine/scene/scene.h"

class TiXmlDocument;
class TiXmlNode;

class SAVE_FILE {
public:
    // Truncates path; when it cannot be opened, says so on standard error and
    // later writes do nothing.
    explicit SAVE_FILE(const char* path);
    ~SAVE_FILE();
    SAVE_FILE(const SAVE_FILE&) = delete;
    SAVE_FILE& operator=(const SAVE_FILE&) = delete;

    // Names are escaped so that they read back as written.
    void sauversceneXML(ELEMENT3D* element);

private:
    std::ofstream fichier;
};

class LOAD_FILE {
public:
    explicit LOAD_FILE(MANAGER* m);
    LOAD_FILE(const LOAD_FILE&) = delete;
    LOAD_FILE& operator=(const LOAD_FILE&) = delete;

    // Files larger than this, or nesting elements deeper, are refused before
    // they are parsed: far beyond any scene, and short of what TinyXML's
    // recursive parser or the loader's copies of each subtree can take.
    static constexpr long TAILLE_MAX = 16L << 20;
    static constexpr int PROFONDEUR_MAX = 256;

    // A new scene owned by the caller, or null (with a line on standard error)
    // when the file is missing, not well-formed, too large or too deep.
    SCENE* chargersceneXML(const char* path);
    // The root is read as a scene whatever its tag; elements other than
    // scene and objet3d are skipped.
    SCENE* sceneXML(TiXmlNode* node);
    OBJET3D* objet3dXML(TiXmlNode* node);
    void ParcoursSCENE(TiXmlNode* node, SCENE* scene);
    void ParcoursOBJET3D(TiXmlNode* node, OBJET3D* objet);

private:
    // Kept for its place in the layout: the document lives in chargersceneXML.
    [[maybe_unused]] TiXmlDocument* fichier;
    MANAGER* manager;
    SCENE* bufferscene;
};
