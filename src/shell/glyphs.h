#pragma once

#include <QIcon>

namespace lw::shell {

/// A 16 x 16 glyph by name; a glyph drawn as a 32 x 16 strip brings its own disabled image.
QIcon glyphIcon(const QString &name);

/// The program's own icon.
QIcon applicationIcon();

} // namespace lw::shell
