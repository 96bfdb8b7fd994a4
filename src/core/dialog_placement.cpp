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

QPoint besideOf(const QRect &main, const QSize &form, const QRect &screen)
{
    const int screenEnd = screen.left() + screen.width();
    int left = main.left() + main.width();
    if (left + form.width() > screenEnd)
        left = main.left() - form.width() >= screen.left() ? main.left() - form.width()
                                                           : screenEnd - form.width();
    const int lowestTop = screen.top() + screen.height() - form.height();
    return { std::max(left, screen.left()),
        std::max(std::min(main.top(), lowestTop), screen.top()) };
}

} // namespace lw::core
