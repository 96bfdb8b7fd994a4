#pragma once

#include <QFont>

namespace lw::shell {

/// A face at a height in pixels, as the forms give their fonts: they are not rescaled for the
/// screen's resolution.
QFont pixelFont(const QString &family, int pixels);

} // namespace lw::shell
