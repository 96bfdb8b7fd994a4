#include "shell/schedule/chart_geometry.h"

#include <gtest/gtest.h>

#include "support/row_printers.h"

namespace lw::test {

namespace {

struct TickRow
{
    const char *name;
    double top;
    std::vector<double> ticks;
};

LW_PRINT_ROW_NAME(TickRow)

class ValueTicks : public ::testing::TestWithParam<TickRow>
{
};

TEST_P(ValueTicks, AreRoundStepsUpToTheTop)
{
    EXPECT_EQ(shell::valueTicks(GetParam().top, 5), GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(Tops, ValueTicks,
        ::testing::Values(
                TickRow{ "DefaultLoan", 92670.66, { 0, 20000, 40000, 60000, 80000, 100000 } },
                TickRow{ "LargeAmount", 1.8e9, { 0, 5e8, 1e9, 1.5e9, 2e9 } },
                TickRow{ "RoundTop", 500, { 0, 100, 200, 300, 400, 500 } },
                TickRow{ "Nothing", 0, { 0 } }),
        RowName());

TEST(ChartGeometry, YearsFallOnTheirJanuaryPaymentEveryStep)
{
    // From November 2026: payment 3 is January 2027, payment 15 January 2028.
    const auto every = shell::yearTicks(QDate(2026, 11, 1), 361, 1);
    ASSERT_EQ(every.size(), 30U);
    EXPECT_EQ(every.front(), (shell::YearTick{ 3, 2027 }));
    EXPECT_EQ(every[1], (shell::YearTick{ 15, 2028 }));
    EXPECT_EQ(shell::yearTicks(QDate(2026, 11, 1), 361, 10),
            (std::vector<shell::YearTick>{ { 39, 2030 }, { 159, 2040 }, { 279, 2050 } }));
    // 31 labels 30 wide take 1,395 with their gaps: 300 holds every fifth.
    EXPECT_EQ(shell::yearStep(31, 30, 300), 5);
}

TEST(ChartGeometry, LegendWrapsAndLineNamesKeepApart)
{
    EXPECT_EQ(shell::legendPlaces({ 100, 120, 130 }, 250, 20),
            (std::vector<QPoint>{ { 0, 0 }, { 100, 0 }, { 0, 20 } }));
    // Two names 5 apart need 14: the lower moves down; one past the bottom comes back up.
    EXPECT_EQ(
            shell::spreadLabels({ 50, 55, 200 }, 14, 0, 300), (std::vector<double>{ 50, 64, 200 }));
    EXPECT_EQ(shell::spreadLabels({ 295, 298 }, 14, 0, 300), (std::vector<double>{ 286, 300 }));
}

} // namespace

} // namespace lw::test
