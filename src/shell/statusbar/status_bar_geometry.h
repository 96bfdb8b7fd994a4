#pragma once

#include <vector>

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "shell/statusbar/status_panel.h"

namespace lw::shell {

/// What layout needs of a panel.
struct PanelExtent
{
    int width = 0; // pixels; taken as 0 while invisible
    bool visible = true;
};

/// Lays panels out left to right: panel i ends at the sum of the widths 0..i and the last laid
/// out panel reaches the bar's right edge unless it is invisible; invisible panels are 0 wide
/// and panels past `maxPanels` get an empty rectangle. Every rectangle spans the bar's height.
std::vector<QRect> layoutPanels(
        const std::vector<PanelExtent> &panels, const QSize &bar, int maxPanels);

/// The part of a laid-out rectangle that a panel paints: one pixel in from every side.
QRect panelArea(const QRect &laidOut);

/// The first panel whose area holds the point, or -1; the margin and empty space hit nothing.
int panelIndexAt(const std::vector<QRect> &laidOut, const QPoint &point);

/// Where a text of the given size starts inside a panel's area, relative to the area's
/// top-left corner. Offsets may be negative for text wider or taller than the area.
QPoint panelTextOffset(TabfAlignment alignment, const QSize &area, const QSize &text);

/// A letter or underscore, then letters, digits or underscores (ASCII only).
bool isValidPanelName(const QString &name);

} // namespace lw::shell
