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

QRect movedInside(QRect window, const QRect &area)
{
    window.moveLeft(
            std::max(std::min(window.left(), area.right() - window.width() + 1), area.left()));
    window.moveTop(
            std::max(std::min(window.top(), area.bottom() - window.height() + 1), area.top()));
    return window;
}

namespace {

int fitted(int preferred, int minimum, int room)
{
    return std::max(std::min(preferred, room), minimum);
}

// The pair in one row: the companion on the side with more room, the calculator moved just
// enough to make that room.
CompanionPlacement sideBySide(const CompanionRequest &r, QRect main)
{
    const int width =
            fitted(r.preferred.width(), r.minimum.width(), r.screen.width() - main.width());
    const int height = std::min(r.preferred.height(), r.screen.height());
    const bool right = r.screen.right() - main.right() >= main.left() - r.screen.left();
    if (right)
        main.moveRight(std::min(main.right(), r.screen.right() - width));
    else
        main.moveLeft(std::max(main.left(), r.screen.left() + width));
    const QRect companion(
            right ? main.right() + 1 : main.left() - width, main.top(), width, height);
    return { main, movedInside(companion, r.screen) };
}

} // namespace

CompanionPlacement placeCompanion(const CompanionRequest &r)
{
    QRect main = movedInside(r.main, r.screen);
    if (r.screen.width() - main.width() >= r.minimum.width())
        return sideBySide(r, main);
    // Too narrow for both: the calculator to the top left, so the most room is left beside
    // or below the part that has to stay in sight.
    main.moveTopLeft(r.screen.topLeft());
    const QRect kept = r.keep.translated(main.topLeft());
    const int besideRoom = r.screen.right() - kept.right();
    if (besideRoom >= r.minimum.width()) {
        const QSize size(std::min(r.preferred.width(), besideRoom),
                std::min(r.preferred.height(), r.screen.height()));
        return { main, QRect(QPoint(kept.right() + 1, r.screen.top()), size) };
    }
    const int belowRoom = r.screen.bottom() - kept.bottom();
    if (belowRoom >= r.minimum.height()) {
        const QSize size(std::min(r.preferred.width(), r.screen.width()), belowRoom);
        return { main, QRect(QPoint(r.screen.left(), kept.bottom() + 1), size) };
    }
    QRect corner(QPoint(), r.minimum.boundedTo(r.screen.size()));
    corner.moveBottomRight(r.screen.bottomRight());
    return { main, corner };
}

} // namespace lw::core
