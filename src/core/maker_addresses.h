#pragma once

#include <QString>

namespace lw::core::maker {

// The maker's addresses live on a reserved example domain, so the program never sends
// anyone to a stranger's site or mailbox.
inline constexpr QStringView SiteDomain = u"www.brannock.example";
inline constexpr QStringView SupportMail = u"support@brannock.example";

} // namespace lw::core::maker
