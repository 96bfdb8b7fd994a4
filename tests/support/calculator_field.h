#pragma once

#include <QString>

#include "widgets/numeric/numeric_field_model.h"

namespace lw::test {

/// Configures field as the calculator configures its amount and rate fields: a double over
/// mask, any double in range. The type goes first because setting it installs its own mask.
inline void configureCalculatorField(numeric::NumericFieldModel &field, const QString &mask)
{
    field.setDataType(numeric::TNumericDataType::nftDouble);
    field.setPictureMask(mask);
    field.setRangeLow(-1.7e308L);
    field.setRangeHigh(1.7e308L);
}

} // namespace lw::test
