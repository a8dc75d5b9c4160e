// XML scene files through LOAD_FILE::chargersceneXML, names resolved in a
// manager that holds the game's meshes, materials and elements; a loaded
// scene is drawn, written back as XML and that text loaded again.
#include "engine/scene/scenefile.h"
#include "fuzz/support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
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
