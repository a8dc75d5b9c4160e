#pragma once
// After the resource script has run: is everything the game draws there?
// A script with an error registers nothing after it, a missing picture
// registers no texture, and the game would then open on an empty window.
#include <string>
#include <vector>

class MANAGER;
struct JOURNALLUA;

// The elements and textures the game draws (the asset set-up's elements, the
// entity factory's, the chickens' and tasers' animation textures) that m does
// not hold, elements first, each in the order the game names them.
std::vector<std::string> donneesManquantes(MANAGER* m);

// The text naming what is missing and the data folder it was looked for in;
// with the resource script's journal, each with its cause: its picture file
// absent, unreadable or no picture the loader reads, or the script's error.
// Files are looked at from the working directory, as the script loaded them.
std::string messageDonneesManquantes(const std::vector<std::string>& manquants, const std::string& dossier,
                                     const JOURNALLUA* journal = nullptr);

// When anything is missing: the message in a box captioned "ERREUR", and false.
bool donneesCompletes(MANAGER* m, const std::string& dossier, const JOURNALLUA* journal = nullptr);
