#include <gtest/gtest.h>

#include "core/one_time_extras.h"
#include "core/schedule_summary.h"
#include "support/row_printers.h"

using lw::core::OneTimeExtra;

namespace {

struct ExtrasRow
{
    const char *name;
    const char16_t *text;
    const char *decimalSeparator;
    std::optional<std::vector<OneTimeExtra>> extras;
};

LW_PRINT_ROW_NAME(ExtrasRow)

class OneTimeExtrasText : public ::testing::TestWithParam<ExtrasRow>
{
};

TEST_P(OneTimeExtrasText, ReadsListsAndRefusesTheRest)
{
    lw::platform::LocaleInfo locale;
    locale.decimalSeparator = QString::fromLatin1(GetParam().decimalSeparator);
    EXPECT_EQ(lw::core::parseOneTimeExtras(QString::fromUtf16(GetParam().text), locale),
            GetParam().extras);
}

using List = std::vector<OneTimeExtra>;

INSTANTIATE_TEST_SUITE_P(Texts, OneTimeExtrasText,
        ::testing::Values(ExtrasRow{ "Blank", u"  ", ".", List{} },
                ExtrasRow{ "TwoPairs", u"12=5000; 60 = 2500.50", ".",
                        List{ { 12, 500000 }, { 60, 250050 } } },
                ExtrasRow{ "TrailingSemicolon", u"3=1;", ".", List{ { 3, 100 } } },
                ExtrasRow{ "CommaDecimals", u"3=1,25", ",", List{ { 3, 125 } } },
                ExtrasRow{ "NotANumber", u"12=abc", ".", std::nullopt },
                ExtrasRow{ "NoEquals", u"12 5000", ".", std::nullopt },
                ExtrasRow{ "PaymentZero", u"0=5", ".", std::nullopt },
                ExtrasRow{ "NegativeAmount", u"12=-5", ".", std::nullopt }),
        lw::test::RowName());

TEST(OneTimeExtrasText, WrittenTextReadsBackInTheLocale)
{
    lw::platform::LocaleInfo comma;
    comma.decimalSeparator = QStringLiteral(",");
    const List extras{ { 12, 500000 }, { 60, 250050 } };
    const QString text = lw::core::oneTimeExtrasText(extras, comma);
    EXPECT_EQ(text, u"12=5000; 60=2500,5");
    EXPECT_EQ(lw::core::parseOneTimeExtras(text, comma), extras);
}

TEST(ScheduleSummary, SaysWhatTheExtrasSaveAndWhyThereIsNoSchedule)
{
    lw::core::Schedule s;
    s.status = lw::core::ScheduleStatus::Complete;
    s.scheduledPayment = 47964;
    s.rows.push_back({ 235, QDate(2046, 7, 1), 100, 0, 100, 0, 0 });
    s.totals = { 5614344, 8000000, 13614344, 235 };
    s.paymentsSaved = 125;
    s.interestSaved = 3652722;
    const QStringList lines = lw::core::scheduleSummary(s, {}, QLocale::c());
    EXPECT_EQ(lines.at(2), u"Payments: 235    Paid off: Jul 2046");
    EXPECT_EQ(lines.at(3), u"The extra payments save 125 payments and $36,527.22 in interest.");
    s.status = lw::core::ScheduleStatus::NegativeAmortization;
    s.failingPayment = 1;
    EXPECT_EQ(lw::core::scheduleSummary(s, {}, QLocale::c()),
            QStringList{ QStringLiteral("Payment 1 does not cover its month's interest: the "
                                        "loan would never be repaid.") });
}

} // namespace
