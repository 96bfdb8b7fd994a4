#include "shell/window_frame.h"

namespace lw::shell {

QSize framedSize(const QWidget &window, const QWidget &framed)
{
    const QRect frame = framed.frameGeometry();
    const QRect client = framed.geometry();
    return window.size().grownBy(QMargins(client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()));
}

} // namespace lw::shell
