#pragma once

#include <vector>

#include "core/offer_comparison.h"
#include "platform/file_store.h"
#include "platform/profile_file.h"

namespace lw::core {

/// The offers compared with the calculator's loan, kept in a section of their own.
struct CompareValues
{
    std::vector<Offer> offers; // beside the calculator's column, at most MaxOffers
    int years = 5; // the period of the "in ... years" rows

    friend bool operator==(const CompareValues &, const CompareValues &) = default;
};

constexpr int MaxOffers = 5; // six columns with the calculator's
constexpr int MaxCompareYears = 40;

/// Reads the offers from the settings file at `path`; a missing or unreadable value gives
/// its default, an offer without a name or rate is dropped, silently.
CompareValues loadCompareValues(const QString &path, const platform::FileStore &files);

/// Writes the offers into the settings being saved, leaving every other section alone;
/// false when an entry cannot be written.
bool writeCompareValues(platform::ProfileFile &settings, const CompareValues &values);

} // namespace lw::core
