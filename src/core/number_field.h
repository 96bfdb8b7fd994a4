#pragma once

#include <QString>

namespace lw::core {

/// A numeric entry field as the calculation pass sees it.
class NumberField
{
public:
    virtual ~NumberField() = default;

    /// The field's value; 0 when its text is not a valid number within its range.
    /// Not const: a read records the check's outcome in the field.
    virtual double FloatValue() = 0;

    /// Shows the value through the field's picture mask; does not count as leaving the field.
    virtual void setFloatValue(double value) = 0;
};

/// One of the mutually exclusive term buttons.
class TermButton
{
public:
    virtual ~TermButton() = default;

    virtual bool isChecked() const = 0;

    /// Checking a button unchecks its siblings; a window runs a pass when this checks it anew.
    virtual void setChecked(bool checked) = 0;
};

/// A line of text the pass rewrites (the summary sentences).
class TextLabel
{
public:
    virtual ~TextLabel() = default;

    virtual void setText(const QString &text) = 0;
};

} // namespace lw::core
