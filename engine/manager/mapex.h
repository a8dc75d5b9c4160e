#pragma once
// The engine's string-keyed map: first registration wins, absent keys give null.
#include <iostream>
#include <map>
#include <string>

// Orders keys from the greatest to the least (a string before its prefixes).
struct ltstring {
    bool operator()(const std::string& a, const std::string& b) const { return a.compare(b) > 0; }
};

template <class K, class V, class C>
class MAPEX {
public:
    std::map<K, V, C> tab;

    V get(const K& key) const
    {
        auto it = tab.find(key);
        return it == tab.end() ? V() : it->second;
    }

    bool set(const K& key, V value) { return tab.emplace(key, value).second; }

    void display(std::ostream* os) const
    {
        for (const auto& e : tab)
            *os << e.first << " -> " << e.second << std::endl;
    }

    void eraseall(int keep)
    {
        std::cout << "erasement du tableau" << std::endl;
        if (keep == 0)
            for (auto& e : tab)
                delete e.second;
        tab.clear();
    }
};
