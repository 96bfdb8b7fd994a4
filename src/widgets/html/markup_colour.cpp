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

constexpr Colour sys(std::uint32_t n)
{
    return platform::systemColour(n);
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
        { u"clbackground", sys(1) },
        { u"clactivecaption", sys(2) },
        { u"clinactivecaption", sys(3) },
        { u"clmenu", sys(4) },
        { u"clwindow", sys(5) },
        { u"clwindowframe", sys(6) },
        { u"clmenutext", sys(7) },
        { u"clwindowtext", sys(8) },
        { u"clcaptiontext", sys(9) },
        { u"clactiveborder", sys(10) },
        { u"clinactiveborder", sys(11) },
        { u"clappworkspace", sys(12) },
        { u"clhighlight", sys(13) },
        { u"clhighlighttext", sys(14) },
        { u"clbtnface", sys(15) },
        { u"clbtnshadow", sys(16) },
        { u"clgraytext", sys(17) },
        { u"clbtntext", sys(18) },
        { u"clinactivecaptiontext", sys(19) },
        { u"clbtnhighlight", sys(20) },
        { u"cl3ddkshadow", sys(21) },
        { u"cl3dlight", sys(22) },
        { u"clinfotext", sys(23) },
        { u"clinfobk", sys(24) },
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
