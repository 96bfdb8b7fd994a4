#include <gtest/gtest.h>

#include "core/one_time_extras.h"
#include "core/schedule_summary.h"
#include "support/row_printers.h"

using lw::core::OneTimeExtra;

namespace {

using List = std::vector<OneTimeExtra>;

struct ExtrasRow
{
    const char *name;
    const char16_t *text;
    const char *decimalSeparator;
    List readable;
    std::vector<int> wrong; // the positions of the entries that do not read
};

LW_PRINT_ROW_NAME(ExtrasRow)

class OneTimeExtrasText : public ::testing::TestWithParam<ExtrasRow>
{
};

TEST_P(OneTimeExtrasText, ReadsTheEntriesThatReadAndNamesTheRest)
{
    lw::platform::LocaleInfo locale;
    locale.decimalSeparator = QString::fromLatin1(GetParam().decimalSeparator);
    const auto entries = lw::core::oneTimeEntries(QString::fromUtf16(GetParam().text), locale);
    EXPECT_EQ(lw::core::readableExtras(entries), GetParam().readable);
    std::vector<int> wrong;
    for (const auto &entry : entries)
        if (!entry.extra)
            wrong.push_back(entry.position);
    EXPECT_EQ(wrong, GetParam().wrong);
}

INSTANTIATE_TEST_SUITE_P(Texts, OneTimeExtrasText,
        ::testing::Values(ExtrasRow{ "Blank", u"  ", ".", {}, {} },
                ExtrasRow{ "TwoPairs", u"12=5000; 60 = 2500.50", ".",
                        List{ { 12, 500000 }, { 60, 250050 } }, {} },
                ExtrasRow{ "TrailingSemicolon", u"3=1;", ".", List{ { 3, 100 } }, {} },
                ExtrasRow{ "CommaDecimals", u"3=1,25", ",", List{ { 3, 125 } }, {} },
                ExtrasRow{ "CommaBetweenPairs", u"12=5000, 60=2500", ".", {}, { 1 } },
                ExtrasRow{ "OneOfTwoNotANumber", u"12=5000; 60=abc", ".", List{ { 12, 500000 } },
                        { 2 } },
                ExtrasRow{ "NoEquals", u"12 5000", ".", {}, { 1 } },
                ExtrasRow{ "PaymentZero", u"0=5", ".", {}, { 1 } },
                ExtrasRow{ "NegativeAmountAmongBlanks", u"1=1;; 12=-5", ".", List{ { 1, 100 } },
                        { 2 } }),
        lw::test::RowName());

TEST(OneTimeExtrasText, NotesNameTheWrongEntryAndTheOneAfterTheLastPayment)
{
    const auto entries = lw::core::oneTimeEntries(u"12=5000; 60=10; x=3; 999=500", {});
    lw::core::Schedule s;
    s.status = lw::core::ScheduleStatus::Complete;
    s.rows.push_back({ 360, QDate(2056, 12, 1), 100, 0, 100, 0, 0 });
    EXPECT_EQ(lw::core::oneTimeEntryNotes(entries, s),
            (QStringList{ QStringLiteral("Entry 3, \"x=3\", is not payment=amount."),
                    QStringLiteral("Entry 4, \"999=500\", comes after the last payment (360) and "
                                   "is not used.") }));
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
    s.paymentsSaved = 1;
    EXPECT_EQ(lw::core::scheduleSummary(s, {}, QLocale::c()).at(3),
            u"The extra payments save 1 payment and $36,527.22 in interest.");
    s.status = lw::core::ScheduleStatus::NegativeAmortization;
    s.failingPayment = 1;
    EXPECT_EQ(lw::core::scheduleSummary(s, {}, QLocale::c()),
            QStringList{ QStringLiteral("Payment 1 does not cover its month's interest: the "
                                        "loan would never be repaid.") });
}

} // namespace
