#include "engine/bash/tovibashapp.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace {

// The whole word must be the number: "3x" is no number here.
bool readWholeFloat(const std::string& text, float& value)
{
    std::istringstream in(text);
    in >> value;
    return !in.fail() && in.peek() == std::char_traits<char>::eof();
}

} // namespace

bool isNumeric(const char* text, int base)
{
    if (!text)
        return false;
    if (base == 10) {
        float f;
        return readWholeFloat(text, f);
    }
    if (base != 8 && base != 16)
        return false;
    std::istringstream in(text);
    long l;
    in >> (base == 8 ? std::oct : std::hex) >> l;
    return !in.fail() && in.peek() == std::char_traits<char>::eof();
}

void ECHO::print(std::ostream& os) { os << "methode echo"; }

bool ECHO::action(int argc, std::string* argv)
{
    for (int i = 1; i < argc; ++i)
        *BASH::oss << argv[i] << " ";
    return true;
}

void CALCUL::print(std::ostream& os) { os << "calcul + - * / ( )"; }

float CALCUL::calcul(float a, float b, char op)
{
    switch (op) {
    case '+':
        return a + b;
    case '-':
        return a - b;
    case '*':
        return a * b;
    case '/':
        return b != 0.0f ? a / b : 0.0f;
    default:
        return 0.0f;
    }
}

bool CALCUL::action(int argc, std::string* argv)
{
    // No precedence: each operator applies as soon as its right operand arrives.
    std::vector<float> nums;
    std::vector<char> ops;
    for (int i = 1; i < argc; ++i) {
        const std::string& w = argv[i];
        float v;
        if (!readWholeFloat(w, v)) {
            char op = w.empty() ? '\0' : w[0];
            if (op != ')') {
                ops.push_back(op);
                continue;
            }
            // ")" closes the innermost "(": operators left open inside the
            // group are dropped, and the group's value becomes the right
            // operand of the operator pending before the "(".
            while (!ops.empty() && ops.back() != '(')
                ops.pop_back();
            if (ops.empty())
                continue;
            ops.pop_back();
            if (!ops.empty() && ops.back() != '(' && nums.size() >= 2) {
                float v = nums.back();
                nums.pop_back();
                nums.back() = calcul(nums.back(), v, ops.back());
                ops.pop_back();
            }
            continue;
        }
        if (ops.empty() || ops.back() == '(') {
            nums.push_back(v);
        } else {
            // A leading operator has no left operand: it reads as 0.
            if (nums.empty())
                nums.push_back(0.0f);
            nums.back() = calcul(nums.back(), v, ops.back());
            ops.pop_back();
        }
    }
    if (nums.empty()) {
        push("");
        return true;
    }
    std::ostringstream out;
    out << nums.back();
    push(out.str());
    return true;
}

bool MONO::action(int argc, std::string* argv)
{
    std::ostream& os = *BASH::oss;
    os << "commande  : " << (argc > 0 ? argv[0] : std::string()) << "  nombre arg : " << (argc > 0 ? argc - 1 : 0)
       << std::endl;
    for (int i = 1; i < argc; ++i)
        os << "argument " << i << " : " << argv[i] << std::endl;
    return true;
}

void SHOWCOMMANDES::print(std::ostream& os) { os << "affiche toutes les commandes en memoire"; }

bool SHOWCOMMANDES::action(int argc, std::string*)
{
    if (argc == 1 && parent)
        parent->showCommands();
    return true;
}

void SYSTEM::print(std::ostream& os) { os << "commande system"; }

bool SYSTEM::action(int argc, std::string* argv)
{
    if (argc < 2)
        return true;
    std::string command;
    for (int i = 1; i < argc; ++i)
        command += " " + argv[i];
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    char buffer[128];
    while (fgets(buffer, sizeof buffer, pipe))
        *BASH::oss << buffer;
    pclose(pipe);
    return true;
}
