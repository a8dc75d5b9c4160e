#pragma once
// The game's data, written into the run directory.
#include <string>

#include "canvas.h"

// Writes `img` as dir/file and says so; false (with a message) on failure.
bool savePicture(const Image& img, const std::string& dir, const std::string& file);

// Chickens, grain, egg, blood.
bool drawCreatures(const std::string& dir);
// Saw blade, its arm, the taser in its four looks.
bool drawHazards(const std::string& dir);
// Belt pieces, flames, finish marker, progress bar, wall.
bool drawDecor(const std::string& dir);
// The window's icon "plumfall.png" in dir; with a theme folder, the menu's
// icons in it too, as <size>x<size>/apps/plumfall.png.
bool drawIcons(const std::string& dir, const std::string& themeDir);
// "pou.wav", "sprouch.wav" and "musique.mp3" (the last needs `lame`).
bool makeSounds(const std::string& dir);
