#include "engine/tovi3d/tovi3dbashapp.h"

#include <climits>
#include <sstream>

#include "engine/scene/scenefile.h"

SCENE* TOVI3DBASHAPP::currentscene = nullptr;
XMANAGER* TOVI3DBASHAPP::manager = nullptr;
SCENE* TOVI3DBASHAPP::rootscene = nullptr;

namespace {

// Stream extraction: leading white space skipped, text after the number ignored.
bool readLeadingFloat(const std::string& word, float& value)
{
    std::istringstream in(word);
    in >> value;
    return !in.fail();
}

bool readInt(const std::string& word, long& value)
{
    std::istringstream in(word);
    in >> value;
    return !in.fail();
}

void invalide() { *BASH::oss << "your argument is invalide" << std::endl; }

// The current scene's local matrix L becomes L x M: M acts after the scene's
// own transform, in its parent's frame.
void appliquer(SCENE* scene, const D3DXMATRIXA16& m)
{
    D3DXMATRIXA16* local = scene->getmatrice();
    D3DXMATRIXA16 result;
    D3DXMatrixMultiply(&result, local, &m);
    *local = result;
}

// 0, 1, 2 for "x", "y", "z"; -1 for any other word.
int axe(const std::string& word)
{
    if (word == "x")
        return 0;
    if (word == "y")
        return 1;
    if (word == "z")
        return 2;
    return -1;
}

// The arguments of "translation" and "scale": "x|y|z value" (the other two
// components stay `neutre`) or "x y z". False, after the message for bad
// words, when nothing is to be applied.
bool lireVecteur(int argc, std::string* argv, float neutre, float v[3])
{
    if (argc == 3) {
        int a = axe(argv[1]);
        float valeur;
        if (a < 0 || !readLeadingFloat(argv[2], valeur)) {
            invalide();
            return false;
        }
        v[0] = v[1] = v[2] = neutre;
        v[a] = valeur;
        return true;
    }
    if (argc == 4) {
        if (!readLeadingFloat(argv[1], v[0]) || !readLeadingFloat(argv[2], v[1]) || !readLeadingFloat(argv[3], v[2])) {
            invalide();
            return false;
        }
        return true;
    }
    return false;
}

} // namespace

void TOVI3DBASHAPP::print(std::ostream& os) { os << "tovi3d V0.0001"; }

bool TOVI3DBASHAPP::action(int, std::string*)
{
    std::ostream& os = *BASH::oss;
    os << "tovi3d V0.0001 " << std::endl;
    os << "    'show' : afficher les scenes 3d" << std::endl;
    os << "    'select' : selectionner une scene 3d" << std::endl;
    os << "    'translation' : translater scene 3d" << std::endl;
    os << "    'identity' : matrice identite" << std::endl;
    os << "    'rotation' : rotater scene 3d" << std::endl;
    os << "    'settexture' : settexture scene 3d" << std::endl;
    os << "    'manager' : affiche le manager" << std::endl;
    os << "    'visible' : setvisible scene" << std::endl;
    os << "    'load' : charger une scene en xml" << std::endl;
    os << "    'scale' : scale scene 3d" << std::endl;
    return true;
}

void TOVI3DBASHAPP::initToviBashApp(XMANAGER* m)
{
    manager = m;
    currentscene = nullptr;
}

void TOVI3DBASHAPP::setRootScene(SCENE* root)
{
    rootscene = root;
    currentscene = nullptr;
}

SCENE* TOVI3DBASHAPP::getRootScene()
{
    // Made once and kept for the whole run, like the shell that uses it.
    static SCENE* propre = nullptr;
    if (rootscene)
        return rootscene;
    if (!propre)
        propre = new SCENE(nullptr);
    return propre;
}

SCENE* TOVI3DBASHAPP::getCurrentScene() { return currentscene; }

bool TOVI3DBASHAPP::needScene()
{
    if (currentscene)
        return true;
    *BASH::oss << "choisissez une scene" << std::endl;
    return false;
}

void SHOWSCENE::print(std::ostream& os) { os << "affiche les scenes de la scene selectionne"; }

bool SHOWSCENE::action(int argc, std::string* argv)
{
    if (argc == 1) {
        if (currentscene)
            currentscene->print(*BASH::oss);
        else
            *BASH::oss << "Selection de toutes les SCENES " << std::endl;
    } else if (argc == 2) {
        long n;
        readInt(argv[1], n);
    }
    return true;
}

void SHOWXMLSCENE::print(std::ostream& os) { os << "affiche les scenes de la scene selectionne en XML"; }

bool SHOWXMLSCENE::action(int argc, std::string*)
{
    if (argc == 1)
        *BASH::oss << "affichageXML" << std::endl;
    return true;
}

void SELECTSCENE::print(std::ostream& os) { os << "selection scene arg1"; }

bool SELECTSCENE::action(int argc, std::string* argv)
{
    if (argc != 2) {
        currentscene = nullptr;
        return true;
    }
    long n;
    SCENE* found = nullptr;
    if (readInt(argv[1], n) && n >= 0 && n <= static_cast<long>(UINT_MAX))
        found = getRootScene()->getScene(static_cast<unsigned>(n));
    if (found) {
        currentscene = found;
        *BASH::oss << "    scene " << argv[1] << " selectionnee" << std::endl;
    } else {
        *BASH::oss << "  dsfsdf  no scene seletionnee" << std::endl;
    }
    return true;
}

void TRANSLATION::print(std::ostream& os) { os << "translation x|y|z arg  ou   translation x y z"; }

bool TRANSLATION::action(int argc, std::string* argv)
{
    if (!needScene())
        return false;
    float v[3];
    if (!lireVecteur(argc, argv, 0.0f, v))
        return false;
    D3DXMATRIXA16 m;
    D3DXMatrixTranslation(&m, v[0], v[1], v[2]);
    appliquer(currentscene, m);
    return true;
}

void ROTATION::print(std::ostream& os) { os << "rotation x|y|z  arg1"; }

bool ROTATION::action(int argc, std::string* argv)
{
    if (!needScene())
        return false;
    if (argc != 3)
        return false;
    int a = axe(argv[1]);
    float angle;
    if (a < 0 || !readLeadingFloat(argv[2], angle)) {
        invalide();
        return false;
    }
    D3DXMATRIXA16 m;
    if (a == 0)
        D3DXMatrixRotationX(&m, angle);
    else if (a == 1)
        D3DXMatrixRotationY(&m, angle);
    else
        D3DXMatrixRotationZ(&m, angle);
    appliquer(currentscene, m);
    return true;
}

void SCALLING::print(std::ostream& os) { os << "scale x|y|z arg  ou   scale x y z"; }

bool SCALLING::action(int argc, std::string* argv)
{
    if (!needScene())
        return false;
    float v[3];
    if (!lireVecteur(argc, argv, 1.0f, v))
        return false;
    D3DXMATRIXA16 m;
    D3DXMatrixScaling(&m, v[0], v[1], v[2]);
    appliquer(currentscene, m);
    return true;
}

void IDENTITY::print(std::ostream& os) { os << "matrice identite"; }

bool IDENTITY::action(int, std::string*)
{
    if (!needScene())
        return false;
    D3DXMatrixIdentity(currentscene->getmatrice());
    return true;
}

void VISIBLEUR::print(std::ostream& os) { os << "set SCENE visibilite 0|1"; }

bool VISIBLEUR::action(int argc, std::string* argv)
{
    if (argc != 2 || !currentscene)
        return false;
    std::istringstream in(argv[1]);
    bool visible;
    in >> visible;
    if (in.fail())
        return false;
    currentscene->setVisible(visible);
    return true;
}

bool SETTEXTUREBBASHAPP::action(int argc, std::string* argv)
{
    if (!currentscene || (argc != 2 && argc != 3))
        return false;
    long index = 0;
    if (argc == 3 && (!readInt(argv[2], index) || index < SCHAR_MIN || index > SCHAR_MAX))
        return false;
    TEXTURE* texture = manager ? manager->gettexture(argv[1].c_str()) : nullptr;
    currentscene->settexture(texture, static_cast<int8_t>(index));
    return true;
}

void MANAGER_BASHAPP::print(std::ostream& os) { os << "afficheur manager"; }

bool MANAGER_BASHAPP::action(int argc, std::string*)
{
    if (argc != 1 || !manager)
        return false;
    std::ostream* os = BASH::oss;
    *os << "TEXTURES" << std::endl;
    manager->displaytexture(os);
    *os << "CONTENEURS" << std::endl;
    manager->displayconteneur(os);
    *os << "MATERIELS" << std::endl;
    manager->displaymateriel(os);
    *os << "ELEMENTS3D" << std::endl;
    manager->displayelement3d(os);
    return true;
}

void LOADXMLSCENE::print(std::ostream& os) { os << "load la scene courante par un fichier XML"; }

bool LOADXMLSCENE::action(int argc, std::string* argv)
{
    if (argc != 2)
        return false;
    LOAD_FILE loader(manager);
    currentscene = nullptr;
    SCENE* loaded = loader.chargersceneXML(argv[1].c_str());
    if (!loaded)
        return false;
    // The root stores a copy: the copy, its last child, becomes current.
    SCENE* root = getRootScene();
    root->addelement3d(loaded);
    delete loaded;
    currentscene = dynamic_cast<SCENE*>(root->getElement(root->getNumelement()));
    return currentscene != nullptr;
}

void SAVEXMLSCENE::print(std::ostream& os) { os << "sauve la scene courante dans un fichier XML"; }

bool SAVEXMLSCENE::action(int argc, std::string* argv)
{
    if (argc != 2 || !currentscene)
        return false;
    SAVE_FILE file(argv[1].c_str());
    file.sauversceneXML(currentscene);
    return true;
}

void SAVEELEMENT3D::print(std::ostream& os) { os << "sauvegarde une scene dans le manager"; }

bool SAVEELEMENT3D::action(int argc, std::string* argv)
{
    if (argc != 2 || !currentscene || !manager)
        return false;
    ELEMENT3D* copie = currentscene->copy();
    if (manager->loadelement3d(copie, argv[1].c_str()))
        return true;
    delete copie;
    return false;
}

void ADDSCENE::print(std::ostream& os) { os << "ajoute une scene du manager dans la scene courante"; }

bool ADDSCENE::action(int, std::string*)
{
    if (!currentscene)
        return false;
    return currentscene->addscene(nullptr, nullptr);
}

void ADDELEMENT3D::print(std::ostream& os) { os << "ajoute un element du manager dans la scene courante"; }

bool ADDELEMENT3D::action(int argc, std::string* argv)
{
    ELEMENT3D* element = (argc == 2 && manager) ? manager->getelement3d(argv[1].c_str()) : nullptr;
    if (element && currentscene && currentscene->addelement3d(element)) {
        *BASH::oss << "je fais cette chose" << std::endl;
        return true;
    }
    *BASH::oss << "marche pas" << std::endl;
    return false;
}
