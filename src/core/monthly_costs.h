#pragma once

#include <vector>

#include <QDate>

#include "core/loan_scenario.h"
#include "core/schedule.h"

namespace lw::core {

/// Why mortgage insurance stops being charged.
enum class InsuranceEnd {
    None, // never charged: no rate, or a loan of at most 80 % of the price
    OnRequest, // the balance actually paid down to 80 % of the price, and the buyer asked
    Scheduled, // the balance scheduled, without extras, to reach 78 % of the price
    MidTerm, // the middle of the term
    Repaid, // the loan repaid before any of those
};

/// How mortgage insurance ends one way.
struct InsuranceEnding
{
    InsuranceEnd reason = InsuranceEnd::None;
    int lastPayment = 0; // the last payment that carries the premium; 0: none does
    QDate lastMonth;
    Cents total = 0; // every premium paid
};

/// Mortgage insurance over the loan.
struct MortgageInsuranceFacts
{
    Cents premium = 0; // a month, while charged
    InsuranceEnding onRequest; // if the buyer asks the lender to cancel it
    InsuranceEnding automatic; // if the buyer does not
    InsuranceEnding applied; // the one the scenario's choice gives
    bool rateMissing = false; // a loan above 80 % of the price without a rate
};

/// What one month costs beyond principal and interest, and the month's whole outlay.
struct MonthlyCost
{
    Cents taxes = 0; // escrow
    Cents insurance = 0; // escrow
    Cents mortgageInsurance = 0;
    Cents hoa = 0;
    Cents total = 0; // principal and interest, extra, escrow, mortgage insurance and HOA
};

/// The payment due in the first month, extras aside, and its parts.
struct FirstPayment
{
    Cents principalAndInterest = 0;
    Cents taxes = 0;
    Cents insurance = 0;
    Cents mortgageInsurance = 0;
    Cents hoa = 0;
    Cents total = 0;
};

/// The costs summed over the loan.
struct CostTotals
{
    Cents taxes = 0;
    Cents insurance = 0;
    Cents mortgageInsurance = 0;
    Cents hoa = 0;
    Cents paid = 0; // every month's total
};

/// A schedule's monthly costs: one row for each of its rows.
struct MonthlyCosts
{
    std::vector<MonthlyCost> rows;
    CostTotals totals;
    MortgageInsuranceFacts mortgageInsurance;
    FirstPayment firstPayment;
};

/// The monthly mortgage-insurance premium while it is charged: loan x rate / 1200, in cents,
/// ties away from zero; 0 for a loan of at most 80 % of the price or without a rate.
Cents mortgageInsurancePremium(const LoanScenario &scenario);

/// The costs of the scenario's schedule, in cents:
/// - taxes and insurance are a twelfth of their annual amounts, ties away from zero;
/// - mortgage insurance follows the Homeowners Protection Act for a fixed-rate loan, the
///   price taken as the original value (see monthly_costs.cpp);
/// - a schedule that is not complete has no costs.
MonthlyCosts monthlyCosts(const LoanScenario &scenario, const Schedule &schedule);

} // namespace lw::core
