#include "widgets/numeric/field/field_geometry.h"

namespace lw::numeric {

int autoSizeHeight(int charHeight, bool ctl3D, int borderHeight)
{
    return charHeight + (ctl3D ? 8 : 6) * borderHeight;
}

QRect fieldTextRect(const QRect &client, int textWidth, int lineHeight, int textMargin)
{
    const int right = client.left() + client.width() - textMargin - 1;
    const int top = client.top() + (client.height() - lineHeight) / 2;
    return { right - textWidth, top, textWidth, lineHeight };
}

} // namespace lw::numeric
