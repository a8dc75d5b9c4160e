#include "engine/bash/bash.h"

#include <iostream>
#include <sstream>
#include <vector>

std::ostream* BASH::oss = &std::cout;

BASH_APP::BASH_APP() : pushed(false), parent(nullptr) {}

BASH_APP::~BASH_APP() {}

void BASH_APP::print(std::ostream& os) { os << "pas d'aide"; }

void BASH_APP::push(std::string s)
{
    if (parent)
        parent->pushdata = s;
    pushed = true;
}

bool BASH_APP::bash_action(int argc, std::string* argv)
{
    pushed = false;
    bool r = action(argc, argv);
    if (!pushed && parent)
        parent->pushdata.clear();
    return r;
}

std::ostream& operator<<(std::ostream& os, BASH_APP* app)
{
    app->print(os);
    return os;
}

BASH::BASH() { oss = &std::cout; }

BASH::~BASH() { list.eraseall(0); }

bool BASH::add(const char* name, BASH_APP* app)
{
    if (!app || list.tab.count(name ? name : ""))
        return false;
    app->parent = this;
    return list.set(name ? name : "", app);
}

bool BASH::setStream(std::ostream* s)
{
    oss = s;
    return true;
}

bool BASH::call(const char* line)
{
    // Words are counted on spaces only but read on any white space: a tab
    // inside a word therefore cuts the word short and the rest is never read.
    std::string text(line ? line : "");
    int count = 0;
    bool inword = false;
    for (char c : text) {
        if (c == ' ') {
            inword = false;
        } else if (!inword) {
            inword = true;
            ++count;
        }
    }
    std::vector<std::string> words(count);
    std::istringstream in(text);
    for (auto& w : words)
        in >> w;
    travail(count, words.data());
    return true;
}

std::string BASH::travail(int argc, std::string* argv)
{
    int depth = 0;
    std::vector<std::string> outer;
    std::vector<std::string> inner;
    for (int i = 0; i < argc; ++i) {
        const std::string& w = argv[i];
        if (depth < 0) {
            // A stray "]" closed nothing: the rest of the line is dropped.
            inner.push_back(w);
        } else if (w == "[") {
            if (depth > 0)
                inner.push_back(w);
            ++depth;
        } else if (w == "]") {
            --depth;
            if (depth == 0) {
                outer.push_back(travail(static_cast<int>(inner.size()), inner.data()));
                inner.clear();
            } else {
                inner.push_back(w);
            }
        } else if (depth == 0) {
            outer.push_back(w);
        } else {
            inner.push_back(w);
        }
    }

    std::string name = outer.empty() ? std::string() : outer[0];
    BASH_APP* app = list.get(name);
    if (!app) {
        *oss << name << " does not exist " << std::endl;
        // An unknown sub-command must not hand on the result of an earlier one.
        pushdata.clear();
    } else {
        app->bash_action(static_cast<int>(outer.size()), outer.data());
        *oss << std::endl;
    }
    return pushdata;
}

void BASH::showCommands()
{
    for (const auto& e : list.tab)
        *oss << e.first << " -> " << e.second << std::endl;
}
