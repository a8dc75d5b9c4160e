#pragma once
// Where the game data is: the folder holding "script.lua", found without
// depending on the directory the program was started in.
#include <string>
#include <utility>
#include <vector>

struct DataFolder {
    std::string path;                // absolute; empty when none was found
    std::vector<std::string> tried;  // every place looked at, in order
    // The first place whose script.lua is there but cannot be read (the script,
    // or the folder when it cannot be entered), and why: an errno value; 0: none.
    std::string blocked;
    int error = 0;
};

// In this order: `option` (--data DIR), then PLUMFALL_DATA, then the installed
// data folder next to the executable, then the build tree's run folder. A
// folder the user names (the option or the variable) is the only one tried:
// a wrong one is reported, never replaced by another. `runFromExe` is the
// build's run folder relative to the executable's folder.
DataFolder findDataFolder(const std::string& option, const char* runFromExe);

// findDataFolder, then the working directory moves there, so that the
// resource script and every file it names load by their own relative names.
// False after one line on standard error: dataFolderProblem.
bool enterDataFolder(const char* program, const std::string& option, const char* runFromExe, DataFolder& out);

// The one line to show when nothing was found: the place that could not be
// read and why, or else the places tried and the fix.
std::string dataFolderProblem(const char* program, const DataFolder& found);

// The folder of the running executable (/proc/self/exe); empty if unknown.
std::string executableFolder();

// The --help entries that say where the data is looked for (a "files" entry)
// and what PLUMFALL_DATA does (an "environment" entry), for every program.
extern const std::pair<const char*, const char*> kDataFolderHelp;
extern const std::pair<const char*, const char*> kDataVariableHelp;
