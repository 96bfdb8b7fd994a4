#pragma once

#include "core/number_field.h"

namespace lw::test {

/// A field that holds a plain double and counts writes.
struct FakeField final : core::NumberField
{
    double value = 0;
    int writes = 0;

    double FloatValue() override { return value; }

    void setFloatValue(double v) override
    {
        value = v;
        ++writes;
    }
};

/// A term button without siblings; tests uncheck the others themselves.
struct FakeButton final : core::TermButton
{
    bool checked = false;

    bool isChecked() const override { return checked; }

    void setChecked(bool c) override { checked = c; }
};

struct FakeLabel final : core::TextLabel
{
    QString text;

    void setText(const QString &t) override { text = t; }
};

} // namespace lw::test
