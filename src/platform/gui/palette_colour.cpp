#include "platform/gui/palette_colour.h"

namespace lw::platform {

namespace {

QPalette::ColorRole roleOfSystemColour(SystemColour colour)
{
    switch (colour) {
    case SystemColour::ActiveCaption:
    case SystemColour::Highlight:
        return QPalette::Highlight;
    case SystemColour::Window:
        return QPalette::Base;
    case SystemColour::CaptionText:
    case SystemColour::HighlightText:
        return QPalette::HighlightedText;
    case SystemColour::AppWorkspace:
    case SystemColour::ButtonShadow:
        return QPalette::Dark;
    case SystemColour::ButtonFace:
        return QPalette::Button;
    case SystemColour::ButtonText:
        return QPalette::ButtonText;
    case SystemColour::ButtonHighlight:
        return QPalette::Light;
    case SystemColour::DarkShadow3D:
    case SystemColour::WindowFrame:
        return QPalette::Shadow;
    case SystemColour::Light3D:
        return QPalette::Midlight;
    case SystemColour::InfoText:
        return QPalette::ToolTipText;
    case SystemColour::InfoBackground:
        return QPalette::ToolTipBase;
    case SystemColour::Desktop:
    case SystemColour::Menu:
    case SystemColour::ActiveBorder:
    case SystemColour::InactiveBorder:
        return QPalette::Window;
    case SystemColour::InactiveCaption:
        return QPalette::Mid;
    default:
        return QPalette::WindowText;
    }
}

} // namespace

QColor paletteColour(Colour colour, const QPalette &palette)
{
    if (isSystemColour(colour)) {
        const auto which = static_cast<SystemColour>(colour & 0x00FFFFFF);
        if (which == SystemColour::GrayText)
            return palette.color(QPalette::Disabled, QPalette::Text);
        return palette.color(QPalette::Active, roleOfSystemColour(which));
    }
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace lw::platform
