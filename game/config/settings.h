#pragma once
// What the player chose while playing (F11, M), kept in a small text file
// and used at the next start:
//
//   fullscreen = yes
//   sound = off
//
// A missing, unreadable or damaged file gives the defaults; a value that is
// not understood leaves its setting at the default.
#include <string>

struct Settings {
    bool fullscreen = false;
    bool mute = false;
};

// $XDG_CONFIG_HOME/plumfall/settings, or ~/.config/plumfall/settings when
// XDG_CONFIG_HOME is unset or not absolute; empty without a home either.
std::string settingsPath();
Settings readSettings(const std::string& path);
// Creates the folders as needed and replaces the file whole. On failure says
// why on standard error and returns false: the game goes on.
bool writeSettings(const std::string& path, const Settings& settings);
