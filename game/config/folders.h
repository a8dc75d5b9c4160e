#pragma once
// Where the program keeps its files, by the XDG base directory rules.
#include <string>

// $VAR/plumfall/NAME when VAR holds an absolute path, else
// ~/FALLBACK/plumfall/NAME; empty without a home either.
std::string plumfallPath(const char* xdgVar, const char* homeFallback, const char* name);

// mkdir -p, the folders it makes private to the user. False when `dir` is
// not a folder afterwards (errno tells why).
bool makeFolders(const std::string& dir);

// Replaces `path` whole by `text`: readers see the old file or the new one,
// never half of either. With `sync`, the text is on the disk before the
// rename. False on failure (errno tells why).
bool replaceFile(const std::string& path, const std::string& text, bool sync = true);
