#pragma once

#include <QIcon>

namespace lw::shell {

/// A toolbar glyph from a 32 x 16 strip: the normal image on the left, the disabled on the right.
QIcon stripIcon(const QString &name);

/// A single 16 x 16 glyph (menu entries, a toolbar button without a disabled image).
QIcon glyphIcon(const QString &name);

/// The program's own icon.
QIcon applicationIcon();

} // namespace lw::shell
