#include "platform/gui/palette_colour.h"

namespace lw::platform {

namespace {

QPalette::ColorRole roleOfSystemColour(std::uint32_t number)
{
    switch (number) {
    case 2:
    case 13:
        return QPalette::Highlight;
    case 5:
        return QPalette::Base;
    case 9:
    case 14:
        return QPalette::HighlightedText;
    case 12:
    case 16:
        return QPalette::Dark;
    case 15:
        return QPalette::Button;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
    case 6:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 1:
    case 4:
    case 10:
    case 11:
        return QPalette::Window;
    case 3:
        return QPalette::Mid;
    default:
        return QPalette::WindowText;
    }
}

} // namespace

QColor paletteColour(Colour colour, const QPalette &palette)
{
    if (isSystemColour(colour)) {
        const std::uint32_t number = colour & 0x00FFFFFF;
        if (number == static_cast<std::uint32_t>(SystemColour::GrayText))
            return palette.color(QPalette::Disabled, QPalette::Text);
        return palette.color(QPalette::Active, roleOfSystemColour(number));
    }
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace lw::platform
