#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each case of a table after its `name` field.
struct CaseName {
    template <class Param> std::string operator()(const testing::TestParamInfo<Param>& p) const {
        return p.param.name;
    }
};
