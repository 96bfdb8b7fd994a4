#pragma once

namespace lw::shell {

/// Gives the program's windows the widget style their forms are laid out for, whatever style
/// the desktop chose: another style's larger indicators and margins cut the forms' fixed boxes
/// ("2(" for a term button's "20"). The colours stay the desktop's, also where they came with
/// its style. Call once, after the application object exists and before any window.
void useFormStyle();

} // namespace lw::shell
