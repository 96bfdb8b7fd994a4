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

/// `window` moved the least distance that brings it inside `area`; one larger than the area
/// keeps its top left corner in it.
QRect movedInside(QRect window, const QRect &area);

/// What a companion window is placed from; every rectangle is a window's outer frame.
struct CompanionRequest
{
    QRect screen; // the work area of the screen the calculator is on
    QRect main; // the calculator
    QRect keep; // the calculator's part that must stay in sight, relative to main's top left
    QSize preferred; // the companion's size when there is room
    QSize minimum; // the smallest it is still usable at
};

/// Where the calculator and its companion go.
struct CompanionPlacement
{
    QRect main; // moved only when it has to be
    QRect companion;
};

/// The calculator and its companion side by side where the screen holds both, the
/// companion narrowed to the room down to its minimum, the calculator moved along if it
/// must; else the companion covers the calculator only right of or below its `keep` part;
/// else (a screen smaller than that) the companion at its minimum in the screen's bottom
/// right corner. Both stay on the screen wherever they fit in it.
CompanionPlacement placeCompanion(const CompanionRequest &request);

} // namespace lw::core
