#pragma once
// A shell whose output a test reads back, one command line at a time.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "engine/bash/bash.h"

class ShellFixture : public ::testing::Test {
protected:
    BASH bash;
    std::ostringstream out;

    void SetUp() override { bash.setStream(&out); }
    void TearDown() override { bash.setStream(&std::cout); }
    std::string run(const char* line)
    {
        out.str("");
        bash.call(line);
        return out.str();
    }
};
