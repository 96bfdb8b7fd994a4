#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lw::core {

/// Where a window of outer size `form` stands centred over the outer rectangle `main`; the
/// halves truncate toward zero. Negative coordinates stay: a main window partly off the
/// screen keeps its dialogs over it.
QPoint centredOver(const QRect &main, const QSize &form);

/// The same position, but never left of or above the screen's origin.
QPoint centredNotBeforeOrigin(const QRect &main, const QSize &form);

/// Where a window of outer size `form` stands beside the outer rectangle `main` on `screen`, so
/// that both can be read at once: right of it where it fits, else left of it, else against the
/// screen's right edge. Its top is main's, moved just enough to keep the window on the screen.
QPoint besideOf(const QRect &main, const QSize &form, const QRect &screen);

} // namespace lw::core
