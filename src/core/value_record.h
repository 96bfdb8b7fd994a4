#pragma once

#include <cstdint>

#include <QString>

namespace lw::core {

/// The calculator's values as the main window keeps them: the inputs and results of the
/// last completed pass, what start-up loaded, and the folders and referral tag.
struct ValueRecord
{
    double FSalesPrice = 0;
    double FDownPayment = 0;
    double FActualLoan = 0;
    double FInterestRate = 0;
    std::int32_t FTerm = 0; // years: 15, 20 or 30
    double FAnnualTaxes = 0;
    double FAnnualInsurance = 0;
    double FMonthlyPI = 0;
    double FMonthlyPITI = 0;
    bool FRunBefore = false;
    QString FDataSubFolder;
    QString FCommonDataFolder;
    QString FProgramFolder;
    QString FRefPrefix;
    QString FRefTag;
};

} // namespace lw::core
