#pragma once

#include <QChar>
#include <QString>

#include "widgets/numeric/entry_options.h"

namespace lw::numeric {

class NumericFieldModel;

/// The decorations applied to a numeric field's DisplayText before it is painted.
struct PaintedTextOptions
{
    bool focused = false;
    bool modified = false; ///< the user has edited the field (for zdHideUntilModified)
    bool Uninitialized = false;
    bool passwordMode = false;
    QChar PadChar = u' ';
    TZeroDisplay ZeroDisplay = TZeroDisplay::zdShow;
    double ZeroDisplayValue = 0;
};

/// The text a numeric field paints, right-aligned: DisplayText with pad characters,
/// parentheses or a sign position for negative values, zero hiding and outer blanks removed.
class PaintedText
{
public:
    /// Builds the painted text of field under options; reads the value only for zero hiding.
    static QString compose(const NumericFieldModel &field, const PaintedTextOptions &options);
};

} // namespace lw::numeric
