#pragma once

#include <utility>

#include "platform/locale_info.h"

namespace lw::platform {

/// Where the program learns the user's locale; tests hand in a fixed one.
class LocaleSource
{
public:
    virtual ~LocaleSource() = default;

    /// The conventions in force right now (they may change while the program runs).
    virtual LocaleInfo current() const = 0;
};

/// A locale that never changes: for tests and for callers that took a snapshot.
class FixedLocaleSource final : public LocaleSource
{
public:
    explicit FixedLocaleSource(LocaleInfo info = {})
        : m_info(std::move(info))
    { }

    LocaleInfo current() const override { return m_info; }

private:
    LocaleInfo m_info;
};

} // namespace lw::platform
