#pragma once

namespace lw::platform {

/// Gives the faces the forms name but the desktop lacks a metric-compatible stand-in, so their
/// texts stay inside their boxes: "Tahoma" and "MS Sans Serif" become "Liberation Sans", whose
/// widths come within a few percent of them, where the desktop's default sans-serif runs wider. Only the first call
/// does anything.
void substituteFormFonts();

} // namespace lw::platform
