#pragma once

#include <QString>

namespace lw::core::maker {

// The maker's addresses live on a reserved example domain, so the program never sends
// anyone to a stranger's site or mailbox.
inline constexpr QStringView SiteDomain = u"www.brannock.example";
inline constexpr QStringView SupportMail = u"support@brannock.example";

// The sibling product's site root, and the referral its page-2 links carry.
inline constexpr QStringView ProductSite = u"https://homestake-suite.example/";
inline constexpr QStringView ProductReferral = u"?ref=LWC451";

// The application's id: the maker's domain reversed, then the program. It names the desktop
// entry, the icon and the metainfo, and window managers match the running window by it.
inline constexpr QStringView ApplicationId = u"example.brannock.Loanwright";

} // namespace lw::core::maker
