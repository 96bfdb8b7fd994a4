#include "widgets/numeric/mask_layout.h"

#include <gtest/gtest.h>

#include "support/row_printers.h"
#include "widgets/numeric/entry_errors.h"

using namespace Qt::StringLiterals;
using lw::numeric::MaskLayout;
using lw::numeric::PositionClass;

namespace {

struct MaskRow
{
    const char *name;
    const char16_t *mask;
    int freeDecimals;
    int displayLength;
    int maskDecimals;
    int entryCapacity;
    int integerCapacity;
};

LW_PRINT_ROW_NAME(MaskRow)

class MaskAnalysis : public testing::TestWithParam<MaskRow>
{
};

TEST_P(MaskAnalysis, Capacities)
{
    const MaskRow &row = GetParam();
    const MaskLayout mask(QString::fromUtf16(row.mask), row.freeDecimals);
    EXPECT_EQ(mask.displayLength(), row.displayLength);
    EXPECT_EQ(mask.MaskDecimals(), row.maskDecimals);
    EXPECT_EQ(mask.EntryCapacity(), row.entryCapacity);
    EXPECT_EQ(mask.IntegerCapacity(), row.integerCapacity);
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskAnalysis,
        testing::Values(MaskRow{ "Money", u"###,###,###.##", 0, 14, 2, 12, 9 },
                MaskRow{ "Rate", u"###.####", 0, 8, 4, 8, 3 },
                MaskRow{ "LongIntDefault", u"iiiiiiiiiii", 0, 11, 0, 11, 11 },
                MaskRow{ "WordDefault", u"99999", 0, 5, 0, 5, 5 },
                MaskRow{ "FloatDefault", u"##########", 0, 10, 0, 10, 10 },
                // Leading currency and text are skipped; the integer run ends at the point.
                MaskRow{ "LeadingLiterals", u"cc $##,###.##", 0, 13, 2, 8, 5 },
                // 'p' and 'g' take no position.
                MaskRow{ "ParenthesesAndSign", u"g###.##p", 0, 6, 2, 6, 3 },
                // A point with no input after it adds nothing to the capacity.
                MaskRow{ "PointWithoutDecimals", u"###.", 0, 4, 0, 3, 3 },
                MaskRow{ "FreeDecimalsWithoutPoint", u"######", 2, 6, 2, 6, 3 },
                // The integer run stops at the first literal after it.
                MaskRow{ "RunEndsAtLiteral", u"##-###", 0, 6, 0, 2, 2 },
                MaskRow{ "Empty", u"", 0, 0, 0, 0, 0 }),
        [](const testing::TestParamInfo<MaskRow> &row) {
            return std::string(row.param.name);
        });

} // namespace

TEST(MaskLayout, ClassifiesPositions)
{
    const MaskLayout mask(u"$#,#.9c"_s);
    EXPECT_EQ(mask.positionClass(0), PositionClass::Separator);
    EXPECT_EQ(mask.positionClass(1), PositionClass::Input);
    EXPECT_EQ(mask.positionClass(2), PositionClass::Separator);
    EXPECT_EQ(mask.positionClass(4), PositionClass::Literal);
    EXPECT_EQ(mask.positionClass(5), PositionClass::Input);
    EXPECT_EQ(mask.positionClass(6), PositionClass::Literal);
    EXPECT_EQ(mask.decimalPosition(), 4);
    EXPECT_TRUE(mask.hasFloatingCurrency());
    EXPECT_TRUE(mask.hasFixedCurrency());
    EXPECT_TRUE(mask.hasThousands());
}

TEST(MaskLayout, PositionsSkipParenthesesAndSignMarks)
{
    const MaskLayout mask(u"p##g.#"_s);
    EXPECT_EQ(mask.displayLength(), 4);
    EXPECT_EQ(mask.decimalPosition(), 2);
    EXPECT_EQ(mask.pictureChar(3), u'#');
    EXPECT_TRUE(mask.hasParentheses());
    EXPECT_TRUE(mask.hasSignPosition());
}

TEST(MaskLayout, LongerThan255CharactersIsRefused)
{
    EXPECT_NO_THROW(MaskLayout(QString(255, u'#')));
    EXPECT_THROW(MaskLayout(QString(256, u'#')), lw::numeric::EInvalidPictureMask);
}
