#include "shell/schedule/schedule_chart.h"

#include <array>

#include <QAccessible>
#include <QPainter>

#include "core/money_text.h"
#include "core/schedule_summary.h"
#include "platform/gui/accessible_factory.h"
#include "shell/schedule/schedule_chart_accessible.h"

namespace lw::shell {

namespace {

// Told apart by their dashes and labels too, not by colour alone.
struct Line
{
    const std::vector<double> ChartSeries::*values;
    QColor colour;
    Qt::PenStyle style;
    QString name;
};

const std::array<Line, 3> &lines()
{
    static const std::array<Line, 3> all{ {
            { &ChartSeries::balance, QColor(0x1f, 0x4e, 0x9d), Qt::SolidLine,
                    QStringLiteral("Balance") },
            { &ChartSeries::interestPaid, QColor(0xc0, 0x39, 0x2b), Qt::DashLine,
                    QStringLiteral("Interest paid") },
            { &ChartSeries::principalPaid, QColor(0x2e, 0x8b, 0x3e), Qt::DotLine,
                    QStringLiteral("Principal paid") },
    } };
    return all;
}

constexpr int Swatch = 24; // a legend entry's sample of its line

QPen linePen(const Line &line)
{
    QPen pen(line.colour, 2, line.style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QString describe(const core::Schedule &s, const platform::LocaleInfo &money, const QLocale &dates)
{
    if (s.rows.empty())
        return QStringLiteral("No schedule to show.");
    const auto amount = [&money](core::Cents cents) {
        return core::money(core::toAmount(cents), money);
    };
    return u"The balance falls from " + amount(s.totals.principal) + u" to "
            + amount(s.rows.back().balance) + u" over " + QString::number(s.totals.payments)
            + u" payments, " + core::monthYear(s.rows.front().date, dates) + u" to "
            + core::monthYear(s.rows.back().date, dates) + u". By then " + amount(s.totals.interest)
            + u" of interest and " + amount(s.totals.principal) + u" of principal are paid.";
}

} // namespace

ScheduleChart::ScheduleChart(QWidget *parent)
    : QWidget(parent)
{
    // Before the name: naming it may already ask for its interface, which is then kept.
    platform::installAccessibleFactoryOnce<&ScheduleChartAccessible::factory>();
    setObjectName(QStringLiteral("scheduleChart"));
    setAccessibleName(QStringLiteral("Balance and amounts paid"));
}

void ScheduleChart::setSchedule(
        const core::Schedule &schedule, const platform::LocaleInfo &money, const QLocale &dates)
{
    m_series = chartSeries(schedule);
    m_money = money;
    m_first = schedule.rows.empty() ? QDate() : schedule.rows.front().date;
    m_description = describe(schedule, money, dates);
    update();
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

QSize ScheduleChart::sizeHint() const
{
    return { 360, 240 };
}

void ScheduleChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QFontMetrics metrics = fontMetrics();
    const int legendBottom = paintLegend(painter);
    const std::vector<double> ticks = valueTicks(m_series.top, 5);
    QStringList tickTexts;
    int widest = 0;
    for (const double tick : ticks) {
        tickTexts << core::money(tick, m_money);
        widest = std::max(widest, metrics.horizontalAdvance(tickTexts.back()));
    }
    int labelWidth = 0;
    for (const Line &l : lines())
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(l.name));
    // Room on the left for the widest amount and on the right for the lines' own names.
    const QRectF plot = QRectF(rect()).adjusted(widest + 10, legendBottom + metrics.height() / 2.0,
            -(labelWidth + 10), -(metrics.height() + 8));
    if (plot.width() < 20 || plot.height() < 20)
        return;
    paintValueAxis(painter, plot, ticks, tickTexts);
    paintYearAxis(painter, plot);
    painter.setRenderHint(QPainter::Antialiasing);
    const double top = ticks.back();
    std::vector<double> ends;
    for (const Line &l : lines()) {
        const QPolygonF line = chartLine(m_series.*l.values, top, plot);
        painter.setPen(linePen(l));
        painter.drawPolyline(line);
        ends.push_back(line.isEmpty() ? plot.bottom() : line.back().y());
    }
    paintLineNames(painter, plot, ends);
}

void ScheduleChart::paintValueAxis(QPainter &painter, const QRectF &plot,
        const std::vector<double> &ticks, const QStringList &texts) const
{
    const QFontMetrics metrics = fontMetrics();
    QColor grid = palette().color(QPalette::Text);
    grid.setAlpha(40); // light: the lines are what is read
    const double top = ticks.back();
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const double y = top > 0 ? plot.bottom() - ticks[i] / top * plot.height() : plot.bottom();
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().color(QPalette::Text));
        const QString &text = texts[static_cast<qsizetype>(i)];
        painter.drawText(QPointF(plot.left() - 6 - metrics.horizontalAdvance(text),
                                 y + metrics.ascent() / 2.0 - 1),
                text);
    }
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
}

void ScheduleChart::paintYearAxis(QPainter &painter, const QRectF &plot) const
{
    const int points = static_cast<int>(m_series.balance.size());
    if (points < 2 || !m_first.isValid())
        return;
    const QFontMetrics metrics = fontMetrics();
    const int years = points / 12 + 1;
    const int every =
            yearStep(years, metrics.horizontalAdvance(QStringLiteral("8888")), plot.width());
    const double step = plot.width() / (points - 1);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (const YearTick &tick : yearTicks(m_first, points, every)) {
        const double x = plot.left() + step * tick.point;
        const QString text = QString::number(tick.year);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        painter.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2.0,
                                 plot.bottom() + 4 + metrics.ascent()),
                text);
    }
}

void ScheduleChart::paintLineNames(
        QPainter &painter, const QRectF &plot, const std::vector<double> &ends) const
{
    const QFontMetrics metrics = fontMetrics();
    const std::vector<double> ys = spreadLabels(ends, metrics.height(), plot.top(), plot.bottom());
    for (std::size_t i = 0; i < lines().size(); ++i) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(
                QPointF(plot.right() + 6, ys[i] + metrics.ascent() / 2.0 - 1), lines()[i].name);
    }
}

int ScheduleChart::paintLegend(QPainter &painter) const
{
    const QFontMetrics metrics = fontMetrics();
    std::vector<int> widths;
    for (const Line &l : lines())
        widths.push_back(Swatch + 6 + metrics.horizontalAdvance(l.name) + 16);
    const int line = metrics.height() + 2;
    const std::vector<QPoint> places = legendPlaces(widths, width() - 16, line);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < lines().size(); ++i) {
        const QPoint at = places[i] + QPoint(8, 6);
        const double middle = at.y() + metrics.height() / 2.0;
        painter.setPen(linePen(lines()[i]));
        painter.drawLine(QPointF(at.x(), middle), QPointF(at.x() + Swatch, middle));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QPoint(at.x() + Swatch + 6, at.y() + metrics.ascent()), lines()[i].name);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    return places.back().y() + 6 + line;
}

} // namespace lw::shell
