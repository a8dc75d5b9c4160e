#include "game/setup_check.h"

#include "engine/lua3d/managerlua.h"
#include "engine/manager/manager.h"
#include "engine/platform/fileread.h"
#include "engine/platform/system.h"
#include "game/setup.h"

#include <cerrno>
#include <cstring>

namespace {

// What the entities set on their elements while they run.
const char* const kTexturesAnimees[] = {"poulet1_1_tex",     "poulet1_2_tex",       "poulet2_1_tex",
                                        "poulet2_2_tex",     "taser_inactif_tex",   "taser_charge_tex",
                                        "taser_eclaire_1_tex", "taser_eclaire_2_tex"};

// The factory's elements; "piston" is not among them: nothing places one.
const char* const kElementsFabrique[] = {"poulet", "scie", "taser", "grain", "oeuf", "sang", "barre"};

// Why the picture `fichier` gave no texture, looked at now.
std::string causeFichier(const std::string& fichier)
{
    int erreur = platform::readError(fichier.c_str());
    if (erreur == 0)
        return fichier + " n'est pas une image lisible";
    if (erreur == ENOENT)
        return fichier + " absent";
    if (erreur == EACCES || erreur == EPERM)
        return fichier + " illisible, permission refusee";
    return fichier + " illisible : " + std::strerror(erreur);
}

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

std::string messageDonneesManquantes(const std::vector<std::string>& manquants, const std::string& dossier,
                                     const JOURNALLUA* journal)
{
    // Each texture the script asked for names its file's fault; the others
    // share one cause, said once after them.
    std::string liste, sansFichier;
    for (const std::string& nom : manquants) {
        const std::string* fichier = nullptr;
        for (size_t i = 0; journal && !fichier && i < journal->textures.size(); ++i)
            if (journal->textures[i].first == nom)
                fichier = &journal->textures[i].second;
        std::string& ou = fichier ? liste : sansFichier;
        ou += (ou.empty() ? "" : ", ") + nom + (fichier ? " (" + causeFichier(*fichier) + ")" : "");
    }
    if (!journal)
        return "donnees du jeu incompletes dans " + dossier + " : il manque " + sansFichier +
               ". Corrigez script.lua ou les images qu'il charge (ses erreurs sont plus haut).";
    if (!sansFichier.empty()) {
        sansFichier += journal->erreur.empty() ? " (script.lua ne les charge pas)"
                                               : " (jamais charges : script.lua s'est arrete sur l'erreur \"" +
                                                     journal->erreur + "\")";
        liste += (liste.empty() ? "" : ", ") + sansFichier;
    }
    return "donnees du jeu incompletes dans " + dossier + " : il manque " + liste +
           ". Corrigez script.lua ou les images qu'il charge.";
}

bool donneesCompletes(MANAGER* m, const std::string& dossier, const JOURNALLUA* journal)
{
    std::vector<std::string> manquants = donneesManquantes(m);
    if (manquants.empty())
        return true;
    MessageBoxA(nullptr, messageDonneesManquantes(manquants, dossier, journal).c_str(), "ERREUR",
                MB_OK | MB_ICONERROR);
    return false;
}
