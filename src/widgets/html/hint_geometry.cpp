#include "widgets/html/hint_geometry.h"

namespace lw::html {

platform::Rect hintWindowRect(platform::Point position, const platform::Rect &from,
        platform::TextSize text, const platform::Rect &monitor)
{
    platform::Rect r{ position.x, position.y, from.left + text.width + 16,
        from.top + text.height + 4 };
    if (r.right - monitor.left > monitor.width()) {
        r.left = monitor.right - (r.right - r.left) - 2;
        r.right = r.left + text.width + 16;
    }
    if (r.bottom - monitor.top > monitor.height()) {
        r.bottom = monitor.bottom - 2;
        r.top = r.bottom - text.height - 4;
    }
    return r;
}

platform::Rect hintTextRect(const platform::Rect &client, int textHeight, int xMargin, int yMargin)
{
    const int top = client.top + (client.height() - textHeight) / 2 + yMargin;
    return { client.left + xMargin + 4, top, client.right - 4, top + textHeight + 8 };
}

} // namespace lw::html
