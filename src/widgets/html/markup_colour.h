#pragma once

#include <QStringView>

#include "platform/gui/colour.h"

namespace lw::html {

/// A colour attribute value: "#RRGGBB" in any letter case, or a colour name such as "clRed"
/// or "clBtnFace". Unknown names and "#" values shorter than three characters give black.
platform::Colour parseColour(QStringView value);

} // namespace lw::html
