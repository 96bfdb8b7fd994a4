#include "core/dialog_placement.h"

#include <algorithm>

namespace lw::core {

QPoint centredOver(const QRect &main, const QSize &form)
{
    // C++ division on int truncates toward zero, also for a dialog wider than the window.
    return { main.left() + (main.width() - form.width()) / 2,
        main.top() + (main.height() - form.height()) / 2 };
}

QPoint centredNotBeforeOrigin(const QRect &main, const QSize &form)
{
    const QPoint centred = centredOver(main, form);
    return { std::max(centred.x(), 0), std::max(centred.y(), 0) };
}

} // namespace lw::core
