#pragma once
// A manager that frees what was registered in it, which the game's manager
// never does: with it the leak checker reports only real leaks.
#include "engine/manager/manager.h"

class OwningManager : public MANAGER {
public:
    ~OwningManager()
    {
        for (auto& e : tabelement3d.tab)
            delete e.second;
        for (auto& e : tabconteneur.tab)
            delete e.second;
        for (auto& e : tabtexture.tab)
            delete e.second;
        for (auto& e : tabmateriel.tab)
            delete e.second;
    }
};
