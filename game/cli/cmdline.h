#pragma once
// The command-line conventions shared by the programs: --help prints the usage
// and exits 0, --version prints the project's version and exits 0, an unknown
// option or a bad value prints one line, then the usage, and exits 2.
//
// The help is the one source of each program's options: the manual pages'
// OPTIONS sections are made from it when building. Its other parts (keys,
// files, environment, exit status) are written in the manual page too, under
// the same headings and names; a test holds the two to the same lists.
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct OptionSpec {
    const char* name;        // "--scale"
    const char* value;       // what follows it in the usage ("N"), or nullptr for a flag
    const char* help;        // one line
    bool valueOptional = false;  // "--demo [N]": the value is taken only when it does not start with "--"
};

// A part of --help after the options, such as "keys" or "exit status": each
// entry a name ("F11", "PLUMFALL_DATA", "2") and what it is or does.
struct HelpSection {
    const char* title;
    std::vector<std::pair<const char*, const char*>> entries;
};

class CommandLine {
public:
    // Called for each option met; returns false with `error` set to refuse the value.
    using Handler = std::function<bool(const std::string& name, const char* value, std::string& error)>;

    CommandLine(const char* program, const char* synopsis, std::vector<OptionSpec> options,
                std::vector<HelpSection> sections = {});

    // -1: go on and run; otherwise the exit status to end with (0 after --help
    // or --version, 2 after a refused command line). Words that are not options
    // go to `positional` when it is given, else they are refused.
    int parse(int argc, char** argv, const Handler& take, std::vector<std::string>* positional = nullptr) const;

    // The usage line and the options; with `full` (--help), the sections too.
    void printUsage(std::FILE* out, bool full = false) const;

private:
    const OptionSpec* find(const std::string& name) const;

    const char* program_;
    const char* synopsis_;
    std::vector<OptionSpec> options_;
    std::vector<HelpSection> sections_;
};

// Whole-word integer in [lo, hi]; false for anything else ("3x", "", out of range).
bool readIntArg(const char* text, int lo, int hi, int& out);

const char* plumfallVersion();
