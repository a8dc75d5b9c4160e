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

enum class Setting { Fullscreen, Mute };

// $XDG_CONFIG_HOME/plumfall/settings, or ~/.config/plumfall/settings when
// XDG_CONFIG_HOME is unset or not absolute; empty without a home either.
std::string settingsPath();
Settings readSettings(const std::string& path);
// Sets one setting and leaves every other line as it is. Several games may
// write at once: under a lock (path + ".lock"), the file is read as it is on
// disk then, and replaced whole through a temporary file of this process's
// own, so that no write loses another's choice or leaves half a file. Creates
// the folders as needed. On failure says why on standard error and returns
// false: the game goes on.
bool writeSetting(const std::string& path, Setting which, bool on);
