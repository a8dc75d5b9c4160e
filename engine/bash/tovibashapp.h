#pragma once
// The shell's built-in commands.
#include <ostream>
#include <string>

#include "engine/bash/bash.h"

// True when the whole text reads as one number: a decimal float for base 10,
// an integer for bases 8 and 16; false for any other base.
bool isNumeric(const char* text, int base);

class ECHO : public virtual BASH_APP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class CALCUL : public virtual BASH_APP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
    float calcul(float a, float b, char op);
};

class MONO : public virtual BASH_APP {
public:
    bool action(int argc, std::string* argv) override;
};

class SHOWCOMMANDES : public virtual BASH_APP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class SYSTEM : public virtual BASH_APP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};
