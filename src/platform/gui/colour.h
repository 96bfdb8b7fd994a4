#pragma once

#include <cstdint>

namespace lw::platform {

/// A 32-bit colour: 0x00BBGGRR explicit (red in the low byte), 0xFF000000 + n for system colour
/// number n, or colourNone.
using Colour = std::uint32_t;

inline constexpr Colour colourNone = 0x1FFFFFFF;
inline constexpr Colour colourBlack = 0x00000000;
inline constexpr Colour systemColourBase = 0xFF000000;

/// System colour numbers the program refers to by name.
enum class SystemColour : std::uint32_t {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
};

constexpr Colour systemColour(std::uint32_t number)
{
    return systemColourBase + number;
}

constexpr Colour systemColour(SystemColour which)
{
    return systemColour(static_cast<std::uint32_t>(which));
}

constexpr bool isSystemColour(Colour c)
{
    return (c & 0xFF000000) == systemColourBase;
}

/// Packs the low byte of each component, as the platform's RGB macro does.
constexpr Colour rgbColour(int red, int green, int blue)
{
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8)
            | (static_cast<Colour>(blue & 0xFF) << 16);
}

constexpr int redOf(Colour c)
{
    return static_cast<int>(c & 0xFF);
}

constexpr int greenOf(Colour c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}

constexpr int blueOf(Colour c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

/// Colour at step `step` of `steps` between two explicit colours (step 0 is `from`).
Colour blendColour(Colour from, Colour to, int step, int steps);

} // namespace lw::platform
