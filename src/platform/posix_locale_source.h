#pragma once

#include <clocale>
#include <optional>

#include "platform/locale_source.h"

namespace lw::platform {

/// The process's locale as setlocale() installed it, read through localeconv() on every call
/// so that a changed locale is followed.
class PosixLocaleSource final : public LocaleSource
{
public:
    LocaleInfo current() const override;
};

/// Reads a named locale ("de_DE.UTF-8") without changing the process's own;
/// nullopt when the machine does not have it.
std::optional<LocaleInfo> readNamedLocale(const char *name);

/// Maps POSIX conventions onto the profile fields; texts are decoded with the
/// calling thread's LC_CTYPE. Fields the locale leaves empty keep their US default.
LocaleInfo localeInfoFrom(const std::lconv &conv);

} // namespace lw::platform
