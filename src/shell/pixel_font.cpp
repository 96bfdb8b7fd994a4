#include "shell/pixel_font.h"

namespace lw::shell {

QFont pixelFont(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace lw::shell
