#pragma once

#include <cstdint>

#include <QString>

namespace lw::html {

/// A component's version number as its four bytes in decimal, most significant first, joined
/// by ".".
inline QString componentVersion(std::uint32_t packed)
{
    return QStringLiteral("%1.%2.%3.%4")
            .arg(packed >> 24U)
            .arg((packed >> 16U) & 0xFFU)
            .arg((packed >> 8U) & 0xFFU)
            .arg(packed & 0xFFU);
}

} // namespace lw::html
