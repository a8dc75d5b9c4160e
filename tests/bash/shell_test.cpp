#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/bash/bash.h"
#include "engine/bash/tovibashapp.h"
#include "tests/bash/shellfixture.h"

namespace {

// Records the words it receives and can push a fixed result.
class PROBE : public virtual BASH_APP {
public:
    std::vector<std::vector<std::string>> runs;
    std::string result;
    bool pushes = false;
    bool action(int argc, std::string* argv) override
    {
        runs.emplace_back(argv, argv + argc);
        if (pushes)
            push(result);
        return true;
    }
};

class Shell : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        bash.add("echo", new ECHO);
        bash.add("calcul", new CALCUL);
        bash.add("mono", new MONO);
        bash.add("commandes", new SHOWCOMMANDES);
        bash.add("system", new SYSTEM);
    }
    std::string calc(const char* line)
    {
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string w; in >> w;)
            words.push_back(w);
        out.str("");
        return bash.travail(static_cast<int>(words.size()), words.data());
    }
    // The words a probe named "p" receives for each line.
    PROBE* probe()
    {
        auto* p = new PROBE;
        EXPECT_TRUE(bash.add("p", p));
        return p;
    }
};

struct LineCase {
    const char* line;
    const char* expected;
};

TEST_F(Shell, LinesAndWhatTheyWrite)
{
    const LineCase cases[] = {
        // Words split on spaces; the first names the app.
        {"echo a  b", "a b \n"},
        {"   echo   a   ", "a \n"},
        {"echo", "\n"},
        // Unknown, empty and differently cased names.
        {"nope 1 2", "nope does not exist \n"},
        {"    ", " does not exist \n"},
        {"", " does not exist \n"},
        {"Echo a", "Echo does not exist \n"},
        {"[ echo a", " does not exist \n"},
        // Brackets substitute the result of the line inside them.
        {"echo [ echo a ]", "a \n \n"},
        {"echo [ calcul 1 + 2 ]", "\n3 \n"},
        {"echo x [ calcul 2 * [ calcul 1 + 2 ] ] y", "\n\nx 6 y \n"},
        {"mono x y", "commande  : mono  nombre arg : 2\nargument 1 : x\nargument 2 : y\n\n"},
        {"commandes x", "\n"},
        {"system", "\n"},
        {"system echo hello", "hello\n\n"},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(run(c.line), c.expected) << c.line;
}

TEST_F(Shell, WordsAnAppReceives)
{
    PROBE* p = probe();
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        // A tab separates nothing when the words are counted.
        {"p\tx", {"p"}},
        {"p\tx y", {"p", "x"}},
        // A nested group keeps its brackets until it runs.
        {"p [ echo [ echo a ] ] z", {"p", "", "z"}},
        // Unbalanced brackets end the words.
        {"p a ] b [ c ] d", {"p", "a"}},
        {"p a [ b", {"p", "a"}},
    };
    for (const auto& c : cases) {
        p->runs.clear();
        run(c.first);
        ASSERT_EQ(p->runs.size(), 1u) << c.first;
        EXPECT_EQ(p->runs[0], c.second) << c.first;
    }
}

TEST_F(Shell, ResultOnlyReachesItsOwnCallSite)
{
    PROBE* p = probe();
    p->pushes = true;
    p->result = "r";
    EXPECT_EQ(calc("p"), "r");
    EXPECT_EQ(calc("echo"), "");
    EXPECT_EQ(calc("p"), "r");
    EXPECT_EQ(calc("missing"), "");
}

TEST_F(Shell, FirstRegistrationWins)
{
    auto* second = new ECHO;
    EXPECT_FALSE(bash.add("echo", second));
    EXPECT_EQ(second->parent, nullptr);
    delete second;
    auto* p = new PROBE;
    EXPECT_TRUE(bash.add("Echo", p));
    EXPECT_EQ(p->parent, &bash);
}

TEST_F(Shell, ShowCommandsInDescendingOrder)
{
    bash.add("ab", new PROBE);
    EXPECT_EQ(run("commandes"), "system -> commande system\n"
                                "mono -> pas d'aide\n"
                                "echo -> methode echo\n"
                                "commandes -> affiche toutes les commandes en memoire\n"
                                "calcul -> calcul + - * / ( )\n"
                                "ab -> pas d'aide\n"
                                "\n");
}

TEST_F(Shell, CalculLeftToRightWithGroups)
{
    const LineCase cases[] = {
        {"calcul 1 + 2 * 3", "9"},
        {"calcul 7 / 2", "3.5"},
        {"calcul 4 / 0", "0"},
        {"calcul 4 x 2", "0"},
        {"calcul ( 5", "5"},
        {"calcul 2 * ( 3 + 4", "7"},
        {"calcul 5 -3", "-3"},
        {"calcul 1e3 + 2.5", "1002.5"},
        {"calcul 1 / 3", "0.333333"},
        {"calcul 2 * ( 3 + 4 )", "14"},
        {"calcul ( 1 + 2 ) * 3", "9"},
        {"calcul 10 - ( 2 * ( 1 + 1 ) )", "6"},
        {"calcul 4 ) + 1", "5"},
        {"calcul", ""},
        {"calcul + *", ""},
        {"calcul - 5", "-5"},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(calc(c.line), c.expected) << c.line;
    EXPECT_EQ(out.str(), "\n");
}

TEST(Calcul, Operators)
{
    CALCUL c;
    EXPECT_FLOAT_EQ(c.calcul(6, 3, '+'), 9);
    EXPECT_FLOAT_EQ(c.calcul(6, 3, '-'), 3);
    EXPECT_FLOAT_EQ(c.calcul(6, 3, '*'), 18);
    EXPECT_FLOAT_EQ(c.calcul(6, 3, '/'), 2);
    EXPECT_FLOAT_EQ(c.calcul(6, 0, '/'), 0);
    EXPECT_FLOAT_EQ(c.calcul(6, 3, '%'), 0);
}

TEST(IsNumeric, Bases)
{
    const std::tuple<const char*, int, bool> cases[] = {
        {"-3", 10, true},  {"2.5", 10, true},  {"1e3", 10, true}, {"+", 10, false},
        {"-", 10, false},  {"3x", 10, false},  {"", 10, false},   {"ff", 16, true},
        {"fg", 16, false}, {"17", 8, true},    {"18", 8, false},  {"10", 2, false},
    };
    for (const auto& [text, base, numeric] : cases)
        EXPECT_EQ(isNumeric(text, base), numeric) << text << " in base " << base;
}

TEST_F(Shell, SystemCopiesALongOutput)
{
    std::string longline(300, 'z');
    std::string line = "system printf " + longline;
    EXPECT_EQ(run(line.c_str()), longline + "\n");
}

} // namespace
