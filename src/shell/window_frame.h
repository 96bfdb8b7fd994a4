#pragma once

#include <QSize>
#include <QWidget>

namespace lw::shell {

/// The size of a window not shown yet with the frame it will get: the window manager gives
/// it the frame it gave `framed`.
QSize framedSize(const QWidget &window, const QWidget &framed);

} // namespace lw::shell
