#include "game/setup_check.h"

#include "engine/manager/manager.h"
#include "engine/platform/system.h"
#include "game/setup.h"

namespace {

// What the entities set on their elements while they run.
const char* const kTexturesAnimees[] = {"poulet1_1_tex",     "poulet1_2_tex",       "poulet2_1_tex",
                                        "poulet2_2_tex",     "taser_inactif_tex",   "taser_charge_tex",
                                        "taser_eclaire_1_tex", "taser_eclaire_2_tex"};

// The factory's elements; "piston" is not among them: nothing places one.
const char* const kElementsFabrique[] = {"poulet", "scie", "taser", "grain", "oeuf", "sang", "barre"};

void ajouter(std::vector<std::string>& noms, const std::string& nom)
{
    for (const std::string& n : noms)
        if (n == nom)
            return;
    noms.push_back(nom);
}

} // namespace

std::vector<std::string> donneesManquantes(MANAGER* m)
{
    std::vector<std::string> elements, textures;
    for (const ElementJeu& e : elementsJeu()) {
        ajouter(elements, e.nom);
        ajouter(textures, e.texture);
    }
    for (const char* nom : kElementsFabrique)
        ajouter(elements, nom);
    for (const char* nom : kTexturesAnimees)
        ajouter(textures, nom);

    std::vector<std::string> manquants;
    for (const std::string& nom : elements)
        if (!m || !m->getelement3d(nom.c_str()))
            manquants.push_back(nom);
    for (const std::string& nom : textures)
        if (!m || !m->gettexture(nom.c_str()))
            manquants.push_back(nom);
    return manquants;
}

std::string messageDonneesManquantes(const std::vector<std::string>& manquants, const std::string& dossier)
{
    std::string liste;
    for (const std::string& nom : manquants)
        liste += (liste.empty() ? "" : ", ") + nom;
    return "donnees du jeu incompletes dans " + dossier + " : il manque " + liste +
           ". Corrigez script.lua ou les images qu'il charge (ses erreurs sont plus haut).";
}

bool donneesCompletes(MANAGER* m, const std::string& dossier)
{
    std::vector<std::string> manquants = donneesManquantes(m);
    if (manquants.empty())
        return true;
    MessageBoxA(nullptr, messageDonneesManquantes(manquants, dossier).c_str(), "ERREUR", MB_OK | MB_ICONERROR);
    return false;
}
