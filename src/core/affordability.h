#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/cents.h"
#include "core/loan_scenario.h"
#include "core/monthly_costs.h"

namespace lw::core {

/// What a buyer brings to the question of what price is affordable.
struct AffordInputs
{
    Cents monthlyIncome = 0; // gross
    Cents monthlyDebts = 0; // every other monthly debt payment
    Cents downPayment = 0; // the cash for it
    std::int64_t frontRatio = 28 * RateScale; // housing, % of income, scaled as a rate
    std::int64_t backRatio = 36 * RateScale; // housing and debts, % of income
    std::int64_t taxRate = 0; // property taxes, % of the price a year, scaled as a rate
    // Rate, term, insurance a year, HOA dues and mortgage-insurance rate; price, down payment
    // and taxes are the solve's.
    LoanScenario terms;

    friend bool operator==(const AffordInputs &, const AffordInputs &) = default;
};

/// Which limit stops a higher price.
enum class AffordLimit {
    FrontEnd, // the housing payment's share of income
    BackEnd, // housing and other debts together
    Ceiling, // neither: the price reached the highest amount the price field holds
};

/// The highest price the solve looks at: what the calculator's price field holds, so the
/// answer can always be put there.
constexpr Cents HighestAffordablePrice = 99'999'999'999; // 999,999,999.99

/// The highest affordable price and what it costs each month.
struct Affordability
{
    bool affordable = false; // false: not even a price of 0 fits, debts alone exceed the limit
    Cents price = 0;
    Cents loan = 0;
    FirstPayment payment; // the housing payment at that price, in its parts
    AffordLimit binding = AffordLimit::FrontEnd;
    // The shares of income at that price, in hundredths of a percent, ties up; 0 without an
    // income.
    std::int64_t frontShare = 0; // the housing payment
    std::int64_t backShare = 0; // housing and the other debts
};

/// The scenario the calculator would hold at this price: the loan is price - down payment
/// (none when the cash covers the price), taxes the price's share a year, in cents.
LoanScenario affordScenario(const AffordInputs &inputs, Cents price);

/// The housing payment of the scenario's first month: principal and interest, a twelfth of
/// taxes and insurance, mortgage insurance while the loan is above 80 % of the price, HOA.
FirstPayment housingPayment(const LoanScenario &scenario);

/// The highest price, to the cent, at which housing is at most the front-end share of income
/// and housing plus debts at most the back-end share, compared exactly in integers. Every
/// part of the payment grows with the price, so the affordable prices are a range from 0;
/// mortgage insurance starts a cent above five times the down payment, so the answer may be
/// exactly that price.
Affordability solveAffordability(const AffordInputs &inputs);

/// How the answer moves: the solve again at rate - 0.5, rate, rate + 0.5 (rows; never below
/// 0) with the down payment - 10,000, as given, + 10,000 (columns; never below 0).
std::vector<std::vector<Affordability>> affordabilitySensitivity(const AffordInputs &inputs);

/// The sensitivity table's rows: its three rates, scaled as a rate.
std::array<std::int64_t, 3> sensitivityRates(const AffordInputs &inputs);

/// The sensitivity table's columns: its three down payments.
std::array<Cents, 3> sensitivityDownPayments(const AffordInputs &inputs);

} // namespace lw::core
