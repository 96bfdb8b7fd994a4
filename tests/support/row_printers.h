#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

// Table rows print as their name, so CTest lists "Suite/Row" cases with a readable parameter
// instead of the bytes of the row. Declare once per row type, in the row's own namespace,
// where gtest finds the printer by argument-dependent lookup.
#define LW_PRINT_ROW_NAME(Row)                                                                     \
    [[maybe_unused]] static void PrintTo(const Row &row, std::ostream *os)                         \
    {                                                                                              \
        *os << row.name;                                                                           \
    }

namespace lw::test {

// Names each instantiated case after its row.
struct RowName
{
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        return info.param.name;
    }
};

} // namespace lw::test
