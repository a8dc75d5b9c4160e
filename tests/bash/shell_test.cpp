#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/bash/bash.h"
#include "engine/bash/tovibashapp.h"

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

class Shell : public ::testing::Test {
protected:
    BASH bash;
    std::ostringstream out;
    void SetUp() override
    {
        bash.setStream(&out);
        bash.add("echo", new ECHO);
        bash.add("calcul", new CALCUL);
        bash.add("mono", new MONO);
        bash.add("commandes", new SHOWCOMMANDES);
        bash.add("system", new SYSTEM);
    }
    void TearDown() override { bash.setStream(&std::cout); }
    std::string run(const char* line)
    {
        out.str("");
        bash.call(line);
        return out.str();
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
};

TEST_F(Shell, SplitsWordsOnSpacesAndRunsTheNamedApp)
{
    EXPECT_EQ(run("echo a  b"), "a b \n");
    EXPECT_EQ(run("   echo   a   "), "a \n");
    EXPECT_EQ(run("echo"), "\n");
}

TEST_F(Shell, TabIsNoSeparatorWhenCounting)
{
    auto* probe = new PROBE;
    ASSERT_TRUE(bash.add("p", probe));
    run("p\tx");
    ASSERT_EQ(probe->runs.size(), 1u);
    EXPECT_EQ(probe->runs[0], std::vector<std::string>{"p"});
    run("p\tx y");
    EXPECT_EQ(probe->runs[1], (std::vector<std::string>{"p", "x"}));
}

TEST_F(Shell, UnknownAndEmptyCommands)
{
    EXPECT_EQ(run("nope 1 2"), "nope does not exist \n");
    EXPECT_EQ(run("    "), " does not exist \n");
    EXPECT_EQ(run(""), " does not exist \n");
    EXPECT_EQ(run("Echo a"), "Echo does not exist \n");
}

TEST_F(Shell, BracketsSubstituteTheResult)
{
    EXPECT_EQ(run("echo [ echo a ]"), "a \n \n");
    EXPECT_EQ(run("echo [ calcul 1 + 2 ]"), "\n3 \n");
    EXPECT_EQ(run("echo x [ calcul 2 * [ calcul 1 + 2 ] ] y"), "\n\nx 6 y \n");
}

TEST_F(Shell, NestedGroupsKeepTheirBracketsUntilTheyRun)
{
    auto* probe = new PROBE;
    bash.add("p", probe);
    run("p [ echo [ echo a ] ] z");
    ASSERT_EQ(probe->runs.size(), 1u);
    EXPECT_EQ(probe->runs[0], (std::vector<std::string>{"p", "", "z"}));
}

TEST_F(Shell, UnbalancedBrackets)
{
    EXPECT_EQ(run("[ echo a"), " does not exist \n");
    auto* probe = new PROBE;
    bash.add("p", probe);
    run("p a ] b [ c ] d");
    ASSERT_EQ(probe->runs.size(), 1u);
    EXPECT_EQ(probe->runs[0], (std::vector<std::string>{"p", "a"}));
    run("p a [ b");
    EXPECT_EQ(probe->runs[1], (std::vector<std::string>{"p", "a"}));
}

TEST_F(Shell, ResultOnlyReachesItsOwnCallSite)
{
    auto* probe = new PROBE;
    probe->pushes = true;
    probe->result = "r";
    bash.add("p", probe);
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
    auto* probe = new PROBE;
    EXPECT_TRUE(bash.add("Echo", probe));
    EXPECT_EQ(probe->parent, &bash);
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
    EXPECT_EQ(run("commandes x"), "\n");
}

TEST_F(Shell, Mono)
{
    EXPECT_EQ(run("mono x y"), "commande  : mono  nombre arg : 2\n"
                               "argument 1 : x\n"
                               "argument 2 : y\n"
                               "\n");
}

TEST_F(Shell, CalculWithoutPrecedence)
{
    EXPECT_EQ(calc("calcul 1 + 2 * 3"), "9");
    EXPECT_EQ(calc("calcul 7 / 2"), "3.5");
    EXPECT_EQ(calc("calcul 4 / 0"), "0");
    EXPECT_EQ(calc("calcul 4 x 2"), "0");
    EXPECT_EQ(calc("calcul ( 5"), "5");
    EXPECT_EQ(calc("calcul 2 * ( 3 + 4"), "7");
    EXPECT_EQ(calc("calcul 5 -3"), "-3");
    EXPECT_EQ(calc("calcul 1e3 + 2.5"), "1002.5");
    EXPECT_EQ(calc("calcul 1 / 3"), "0.333333");
    EXPECT_EQ(out.str(), "\n");
}

TEST_F(Shell, CalculGroupsAndDegenerateExpressions)
{
    EXPECT_EQ(calc("calcul 2 * ( 3 + 4 )"), "14");
    EXPECT_EQ(calc("calcul ( 1 + 2 ) * 3"), "9");
    EXPECT_EQ(calc("calcul 10 - ( 2 * ( 1 + 1 ) )"), "6");
    EXPECT_EQ(calc("calcul 4 ) + 1"), "5");
    EXPECT_EQ(calc("calcul"), "");
    EXPECT_EQ(calc("calcul + *"), "");
    EXPECT_EQ(calc("calcul - 5"), "-5");
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
    EXPECT_TRUE(isNumeric("-3", 10));
    EXPECT_TRUE(isNumeric("2.5", 10));
    EXPECT_TRUE(isNumeric("1e3", 10));
    EXPECT_FALSE(isNumeric("+", 10));
    EXPECT_FALSE(isNumeric("-", 10));
    EXPECT_FALSE(isNumeric("3x", 10));
    EXPECT_FALSE(isNumeric("", 10));
    EXPECT_TRUE(isNumeric("ff", 16));
    EXPECT_FALSE(isNumeric("fg", 16));
    EXPECT_TRUE(isNumeric("17", 8));
    EXPECT_FALSE(isNumeric("18", 8));
    EXPECT_FALSE(isNumeric("10", 2));
}

TEST_F(Shell, SystemCopiesTheOutput)
{
    EXPECT_EQ(run("system"), "\n");
    EXPECT_EQ(run("system echo hello"), "hello\n\n");
    std::string longline(300, 'z');
    std::string line = "system printf " + longline;
    EXPECT_EQ(run(line.c_str()), longline + "\n");
}

} // namespace
