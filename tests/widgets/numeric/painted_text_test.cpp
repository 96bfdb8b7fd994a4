#include "widgets/numeric/painted_text.h"

#include <gtest/gtest.h>

#include "support/row_printers.h"
#include "widgets/numeric/numeric_field_model.h"
#include "widgets/numeric/ovcintl.h"

using namespace Qt::StringLiterals;

namespace lw::numeric {
namespace {

struct PaintCase
{
    const char *name;
    QString mask;
    double value;
    PaintedTextOptions options;
    QString painted;
};

LW_PRINT_ROW_NAME(PaintCase)

PaintedTextOptions with(void (*change)(PaintedTextOptions &))
{
    PaintedTextOptions options;
    change(options);
    return options;
}

class Painting : public testing::TestWithParam<PaintCase>
{
};

TEST_P(Painting, DecoratesDisplayText)
{
    const PaintCase &row = GetParam();
    const TOvcIntlSup intl;
    NumericFieldModel field(intl);
    field.setDataType(TNumericDataType::nftDouble);
    field.setPictureMask(row.mask);
    field.setFloatValue(row.value);
    EXPECT_EQ(PaintedText::compose(field, row.options), row.painted);
}

const QString money = u"###,###,###.##"_s;

INSTANTIATE_TEST_SUITE_P(Steps, Painting,
        testing::Values(PaintCase{ "Plain", money, 100000, {}, u"100,000.00"_s },
                PaintCase{ "Negative", money, -1234.5, {}, u"-1,234.50"_s },
                PaintCase{ "UninitializedUnfocused", money, 5, with([](PaintedTextOptions &o) {
                              o.Uninitialized = true;
                          }),
                        u""_s },
                PaintCase{ "UninitializedFocused", money, 5, with([](PaintedTextOptions &o) {
                              o.Uninitialized = true;
                              o.focused = true;
                          }),
                        u"5.00"_s },
                PaintCase{ "PadCharFillsInputBlanksOnly", u"#,###.##"_s, 12.5,
                        with([](PaintedTextOptions &o) {
                            o.PadChar = u'*';
                        }),
                        u"* *12.50"_s },
                PaintCase{ "Parentheses", u"###,###.##p"_s, -12.5, {}, u"(12.50)"_s },
                PaintCase{ "ParenthesesPositive", u"###,###.##p"_s, 12.5, {}, u"12.50"_s },
                PaintCase{ "SignPosition", u"g####.##"_s, -12.5, {}, u"-  12.50"_s },
                PaintCase{ "ZeroHidden", money, 0, with([](PaintedTextOptions &o) {
                              o.ZeroDisplay = TZeroDisplay::zdHide;
                          }),
                        u""_s },
                PaintCase{ "ZeroHiddenShowsWhileFocused", money, 0, with([](PaintedTextOptions &o) {
                              o.ZeroDisplay = TZeroDisplay::zdHide;
                              o.focused = true;
                          }),
                        u"0.00"_s },
                PaintCase{ "ZeroValueOtherThanZero", money, 7, with([](PaintedTextOptions &o) {
                              o.ZeroDisplay = TZeroDisplay::zdHideUntilModified;
                              o.ZeroDisplayValue = 7;
                          }),
                        u""_s },
                PaintCase{ "ZeroShownOnceModified", money, 0, with([](PaintedTextOptions &o) {
                              o.ZeroDisplay = TZeroDisplay::zdHideUntilModified;
                              o.modified = true;
                          }),
                        u"0.00"_s }),
        [](const testing::TestParamInfo<PaintCase> &row) {
            return row.param.name;
        });

} // namespace
} // namespace lw::numeric
