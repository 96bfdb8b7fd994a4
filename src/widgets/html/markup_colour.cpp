#include "widgets/html/markup_colour.h"

#include <array>

namespace lw::html {

using platform::Colour;

namespace {

struct NamedColour
{
    QStringView name;
    Colour colour;
};

constexpr Colour sys(platform::SystemColour which)
{
    return platform::systemColour(which);
}

const std::array<NamedColour, 40> namedColours = { {
        { u"clred", 0x000000FF },
        { u"clblack", 0x00000000 },
        { u"clblue", 0x00FF0000 },
        { u"clgreen", 0x00008000 },
        { u"claqua", 0x00FFFF00 },
        { u"clyellow", 0x0000FFFF },
        { u"clfuchsia", 0x00FF00FF },
        { u"clwhite", 0x00FFFFFF },
        { u"cllime", 0x0000FF00 },
        { u"clsilver", 0x00C0C0C0 },
        { u"clgray", 0x00808080 },
        { u"clolive", 0x00008080 },
        { u"clnavy", 0x00800000 },
        { u"clpurple", 0x00800080 },
        { u"clteal", 0x00808000 },
        { u"clmaroon", 0x00000080 },
        { u"clbackground", sys(platform::SystemColour::Desktop) },
        { u"clactivecaption", sys(platform::SystemColour::ActiveCaption) },
        { u"clinactivecaption", sys(platform::SystemColour::InactiveCaption) },
        { u"clmenu", sys(platform::SystemColour::Menu) },
        { u"clwindow", sys(platform::SystemColour::Window) },
        { u"clwindowframe", sys(platform::SystemColour::WindowFrame) },
        { u"clmenutext", sys(platform::SystemColour::MenuText) },
        { u"clwindowtext", sys(platform::SystemColour::WindowText) },
        { u"clcaptiontext", sys(platform::SystemColour::CaptionText) },
        { u"clactiveborder", sys(platform::SystemColour::ActiveBorder) },
        { u"clinactiveborder", sys(platform::SystemColour::InactiveBorder) },
        { u"clappworkspace", sys(platform::SystemColour::AppWorkspace) },
        { u"clhighlight", sys(platform::SystemColour::Highlight) },
        { u"clhighlighttext", sys(platform::SystemColour::HighlightText) },
        { u"clbtnface", sys(platform::SystemColour::ButtonFace) },
        { u"clbtnshadow", sys(platform::SystemColour::ButtonShadow) },
        { u"clgraytext", sys(platform::SystemColour::GrayText) },
        { u"clbtntext", sys(platform::SystemColour::ButtonText) },
        { u"clinactivecaptiontext", sys(platform::SystemColour::InactiveCaptionText) },
        { u"clbtnhighlight", sys(platform::SystemColour::ButtonHighlight) },
        { u"cl3ddkshadow", sys(platform::SystemColour::DarkShadow3D) },
        { u"cl3dlight", sys(platform::SystemColour::Light3D) },
        { u"clinfotext", sys(platform::SystemColour::InfoText) },
        { u"clinfobk", sys(platform::SystemColour::InfoBackground) },
} };

// Digits below 'A' count from '0', the rest from 'A' - 10; anything else is taken as it comes,
// and the platform's RGB packing keeps the low byte.
int digitValue(QStringView value, qsizetype index)
{
    // Missing digits of a short value read as zero rather than past its end.
    if (index >= value.size())
        return 0;
    const int code = QChar(value[index]).toUpper().unicode();
    return code < u'A' ? code - 48 : code - 55;
}

int component(QStringView value, qsizetype first)
{
    return digitValue(value, first) * 16 + digitValue(value, first + 1);
}

} // namespace

Colour parseColour(QStringView value)
{
    if (value.startsWith(u'#')) {
        if (value.size() < 3)
            return platform::colourBlack;
        return platform::rgbColour(component(value, 1), component(value, 3), component(value, 5));
    }
    for (const NamedColour &named : namedColours) {
        if (value.compare(named.name, Qt::CaseInsensitive) == 0)
            return named.colour;
    }
    return platform::colourBlack;
}

} // namespace lw::html
