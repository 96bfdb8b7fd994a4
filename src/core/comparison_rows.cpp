#include "core/comparison_rows.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/money_text.h"

namespace lw::core {

namespace {

enum class Better { None, Lower, Higher };

using Value = std::optional<std::int64_t>;

struct RowKind
{
    const char *label; // %1: the years of the period
    RowUnit unit;
    Better better;
    bool needsSchedule; // the value is there only for a loan with a schedule
    std::function<Value(const OfferFigures &)> value;
    std::function<QDate(const OfferFigures &)> month = {};
};

Value aprValue(const OfferFigures &f)
{
    // Shown to three decimals, as the Loan Estimate shows it.
    return f.apr ? Value(std::llround(*f.apr * 1000)) : std::nullopt;
}

const std::vector<RowKind> &rowKinds()
{
    using F = const OfferFigures &;
    static const std::vector<RowKind> kinds{
        { "Loan", RowUnit::Money, Better::None, false,
                [](F f) {
                    return f.loan;
                } },
        { "Loan-to-value", RowUnit::Percent, Better::Lower, false,
                [](F f) {
                    return f.loanToValue;
                } },
        { "Principal and interest", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.principalAndInterest;
                } },
        { "Mortgage insurance a month", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.mortgageInsurance;
                } },
        { "Mortgage insurance ends", RowUnit::Payment, Better::Lower, true,
                [](F f) {
                    return f.insuranceEnd.lastPayment;
                },
                [](F f) {
                    return f.insuranceEnd.lastMonth;
                } },
        { "Escrow (taxes and insurance)", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.escrow;
                } },
        { "HOA dues", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.hoa;
                } },
        { "Total monthly payment", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.monthlyTotal;
                } },
        { "Points", RowUnit::Money, Better::None, false,
                [](F f) {
                    return f.points;
                } },
        { "Lender fees", RowUnit::Money, Better::Lower, false,
                [](F f) {
                    return f.lenderFees;
                } },
        { "Cash to close", RowUnit::Money, Better::Lower, false,
                [](F f) {
                    return f.cashToClose;
                } },
        { "APR", RowUnit::Percent, Better::Lower, true, aprValue },
        { "Paid in %1", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.periodTotal;
                } },
        { "Interest in %1", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.periodInterest;
                } },
        { "Principal paid off in %1", RowUnit::Money, Better::Higher, true,
                [](F f) {
                    return f.periodPrincipal;
                } },
        // What is gone for good: the principal paid off comes back when the home is sold.
        { "Cost in %1 beyond principal", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.periodTotal - f.periodPrincipal;
                } },
        { "Total interest percentage (TIP)", RowUnit::Percent, Better::Lower, true,
                [](F f) {
                    return f.totalInterestPercentage;
                } },
        { "Total interest", RowUnit::Money, Better::Lower, true,
                [](F f) {
                    return f.totalInterest;
                } },
        { "Payoff", RowUnit::Payment, Better::Lower, true,
                [](F f) {
                    return f.payoffPayment;
                },
                [](F f) {
                    return f.payoffMonth;
                } },
    };
    return kinds;
}

QString periodText(int years)
{
    return years == 1 ? QStringLiteral("1 year") : QStringLiteral("%1 years").arg(years);
}

// Marks the best values, only where the offers differ: a mark on every cell says nothing.
void markBest(std::vector<ComparisonCell> &cells, Better better)
{
    std::vector<std::int64_t> values;
    for (const ComparisonCell &cell : cells)
        if (cell.value)
            values.push_back(*cell.value);
    if (better == Better::None || values.size() < 2)
        return;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (*low == *high)
        return;
    const std::int64_t best = better == Better::Lower ? *low : *high;
    for (ComparisonCell &cell : cells)
        cell.best = cell.value == best;
}

void addDifferences(std::vector<ComparisonCell> &cells)
{
    const Value first = cells.front().value;
    for (std::size_t i = 1; i < cells.size(); ++i)
        if (first && cells[i].value)
            cells[i].difference = *cells[i].value - *first;
}

ComparisonRow rowOf(const RowKind &kind, const Comparison &comparison)
{
    QString label = QString::fromLatin1(kind.label);
    if (label.contains(QStringLiteral("%1")))
        label = label.arg(periodText(comparison.years));
    ComparisonRow row{ label, kind.unit, {} };
    for (const OfferFigures &f : comparison.offers) {
        ComparisonCell cell;
        if (f.complete || !kind.needsSchedule)
            cell.value = kind.value(f);
        if (kind.month && f.complete)
            cell.month = kind.month(f);
        row.cells.push_back(cell);
    }
    markBest(row.cells, kind.better);
    addDifferences(row.cells);
    return row;
}

ComparisonRow breakEvenRow(const Comparison &comparison)
{
    ComparisonRow row{ QStringLiteral("Points pay for themselves"), RowUnit::BreakEven, {} };
    for (const BreakEven &b : comparison.breakEvens) {
        ComparisonCell cell;
        cell.never = b.kind == BreakEven::Kind::Never;
        if (b.kind == BreakEven::Kind::After)
            cell.value = b.month;
        row.cells.push_back(cell);
    }
    return row;
}

// A scaled integer with a fixed number of decimals and "." as separator.
QString decimalText(std::int64_t value, int decimals, const QString &separator)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const std::int64_t magnitude = value < 0 ? -value : value;
    return QStringLiteral("%1%2%3%4")
            .arg(value < 0 ? QStringLiteral("-") : QString())
            .arg(magnitude / scale)
            .arg(separator)
            .arg(magnitude % scale, decimals, 10, QLatin1Char('0'));
}

QString monthText(const QDate &month)
{
    return month.toString(QStringLiteral("MMM yyyy"));
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
            && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString plainNumber(RowUnit unit, const ComparisonCell &cell)
{
    if (cell.never)
        return QStringLiteral("never");
    if (!cell.value)
        return {};
    const QString dot = QStringLiteral(".");
    if (unit == RowUnit::Money)
        return decimalText(*cell.value, 2, dot);
    if (unit == RowUnit::Percent)
        return decimalText(*cell.value, 3, dot);
    return QString::number(*cell.value);
}

} // namespace

std::vector<ComparisonRow> comparisonRows(const Comparison &comparison)
{
    std::vector<ComparisonRow> rows;
    if (comparison.offers.empty())
        return rows;
    for (const RowKind &kind : rowKinds())
        rows.push_back(rowOf(kind, comparison));
    rows.push_back(breakEvenRow(comparison));
    return rows;
}

QString cellText(RowUnit unit, const ComparisonCell &cell, const platform::LocaleInfo &locale)
{
    if (cell.never)
        return QStringLiteral("never within the term");
    if (!cell.value)
        return {};
    const std::int64_t v = *cell.value;
    switch (unit) {
    case RowUnit::Money:
        return money(toAmount(v), locale);
    case RowUnit::Percent:
        return decimalText(v, 3, locale.decimalSeparator) + QStringLiteral(" %");
    case RowUnit::Payment:
        if (v == 0)
            return QStringLiteral("none");
        return QStringLiteral("payment %1, %2").arg(v).arg(monthText(cell.month));
    case RowUnit::BreakEven:
        return QStringLiteral("pays for itself after %1 months").arg(v);
    }
    return {};
}

QString differenceText(RowUnit unit, const ComparisonCell &cell, const platform::LocaleInfo &locale)
{
    if (!cell.difference || unit == RowUnit::BreakEven)
        return {};
    const std::int64_t d = *cell.difference;
    if (d == 0)
        return QStringLiteral("same");
    const QString sign = d > 0 ? QStringLiteral("+") : QStringLiteral("-");
    const std::int64_t magnitude = d < 0 ? -d : d;
    if (unit == RowUnit::Money)
        return sign + money(toAmount(magnitude), locale);
    if (unit == RowUnit::Percent)
        return sign + decimalText(magnitude, 3, locale.decimalSeparator);
    return sign + QStringLiteral("%1 months").arg(magnitude);
}

QByteArray comparisonCsv(const QStringList &names, const std::vector<ComparisonRow> &rows)
{
    QStringList header{ QStringLiteral("Row") };
    for (const QString &name : names)
        header << csvField(name);
    QString csv = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const ComparisonRow &row : rows) {
        QStringList fields{ csvField(row.label) };
        for (const ComparisonCell &cell : row.cells)
            fields << plainNumber(row.unit, cell);
        csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

} // namespace lw::core
