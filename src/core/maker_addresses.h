#pragma once

#include <array>

#include <QString>

namespace lw::core::maker {

// The maker's addresses live on a reserved example domain, so the program never sends
// anyone to a stranger's site or mailbox.
inline constexpr QStringView SiteDomain = u"www.brannock.example";
inline constexpr QStringView SupportMail = u"support@brannock.example";
inline constexpr QStringView SuggestionsMail = u"suggestions@brannock.example";

// The maker's current site, and the older one named after its older trade name, where all
// its pages but the home page still live. Both roots end in "/".
inline constexpr QStringView SiteRoot = u"https://www.brannock.example/";
inline constexpr QStringView OlderSiteRoot = u"https://www.ferrowind.example/";

/// The maker's other programs, each on a site of its own; the first is the one the second
/// page of the window advertises.
struct Product
{
    QStringView name;
    QStringView siteRoot;
};

inline constexpr std::array<Product, 7> Products{ {
        { u"Homestake Suite", u"https://www.homestakesuite.example/" },
        { u"Amortisation Planner", u"https://www.amortisationplanner.example/" },
        { u"Refinance Advisor", u"https://www.refinanceadvisor.example/" },
        { u"Rent or Buy Calculator", u"https://www.rentorbuy.example/" },
        { u"Savings Goal Planner", u"https://www.savingsgoalplanner.example/" },
        { u"Loan Comparison Desk", u"https://www.loancomparisondesk.example/" },
        { u"Household Budget Book", u"https://www.householdbudgetbook.example/" },
} };

// The sibling product's site root, and the referral its page-2 links carry.
inline constexpr QStringView ProductSite = Products.front().siteRoot;
inline constexpr QStringView ProductReferral = u"?ref=LWC451";

// The application's id: the maker's domain reversed, then the program. It names the desktop
// entry, the icon and the metainfo, and window managers match the running window by it.
inline constexpr QStringView ApplicationId = u"example.brannock.Loanwright";

} // namespace lw::core::maker
