#include "shell/statusbar/status_bar_geometry.h"

namespace lw::shell {

std::vector<QRect> layoutPanels(
        const std::vector<PanelExtent> &panels, const QSize &bar, int maxPanels)
{
    const int laidOut = std::min(static_cast<int>(panels.size()), std::max(maxPanels, 0));
    std::vector<QRect> rects(panels.size());
    int left = 0;
    for (int i = 0; i < laidOut; ++i) {
        const PanelExtent &panel = panels[static_cast<std::size_t>(i)];
        int width = panel.visible ? std::max(panel.width, 0) : 0;
        if (i == laidOut - 1 && panel.visible)
            width = std::max(bar.width() - left, 0);
        rects[static_cast<std::size_t>(i)] = QRect(left, 0, width, bar.height());
        left += width;
    }
    return rects;
}

QRect panelArea(const QRect &laidOut)
{
    return laidOut.adjusted(1, 1, -1, -1);
}

int panelIndexAt(const std::vector<QRect> &laidOut, const QPoint &point)
{
    for (std::size_t i = 0; i < laidOut.size(); ++i) {
        const QRect area = panelArea(laidOut[i]);
        if (area.isValid() && area.contains(point))
            return static_cast<int>(i);
    }
    return -1;
}

QPoint panelTextOffset(TabfAlignment alignment, const QSize &area, const QSize &text)
{
    // C++ integer division truncates toward zero, also for the negative offsets of text
    // wider or taller than the area.
    int x = 2;
    if (alignment == TabfAlignment::Right)
        x = area.width() - text.width() - 2;
    else if (alignment == TabfAlignment::Centre)
        x = (area.width() - text.width()) / 2;
    return { x, (area.height() - text.height() + 1) / 2 };
}

bool isValidPanelName(const QString &name)
{
    const auto isLetter = [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
    };
    if (name.isEmpty() || !isLetter(name.front()))
        return false;
    for (const QChar c : name) {
        if (!isLetter(c) && !(c >= u'0' && c <= u'9'))
            return false;
    }
    return true;
}

} // namespace lw::shell
