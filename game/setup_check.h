#pragma once
// After the resource script has run: is everything the game draws there?
// A script with an error registers nothing after it, a missing picture
// registers no texture, and the game would then open on an empty window.
#include <string>
#include <vector>

class MANAGER;

// The elements and textures the game draws (the asset set-up's elements, the
// entity factory's, the chickens' and tasers' animation textures) that m does
// not hold, elements first, each in the order the game names them.
std::vector<std::string> donneesManquantes(MANAGER* m);

// The text naming what is missing and the data folder it was looked for in.
std::string messageDonneesManquantes(const std::vector<std::string>& manquants, const std::string& dossier);

// When anything is missing: the message in a box captioned "ERREUR", and false.
bool donneesCompletes(MANAGER* m, const std::string& dossier);
