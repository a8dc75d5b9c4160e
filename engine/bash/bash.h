#pragma once
// The command shell: named apps, word splitting and bracketed sub-commands.
#include <ostream>
#include <string>

#include "engine/manager/mapex.h"

class BASH;

class BASH_APP {
public:
    bool pushed;
    BASH* parent;

    BASH_APP();
    virtual void print(std::ostream& os);
    virtual bool action(int argc, std::string* argv) = 0;
    virtual ~BASH_APP();

    // Hands a result to the call site of a bracketed command.
    void push(std::string s);
    bool bash_action(int argc, std::string* argv);
};

std::ostream& operator<<(std::ostream& os, BASH_APP* app);

class BASH {
public:
    std::string pushdata;
    // Shared by every shell, so that a console can capture all command output.
    static std::ostream* oss;
    MAPEX<std::string, BASH_APP*, ltstring> list;

    BASH();
    ~BASH();

    bool add(const char* name, BASH_APP* app);
    bool setStream(std::ostream* s);
    bool call(const char* line);
    std::string travail(int argc, std::string* argv);
    void showCommands();
};
