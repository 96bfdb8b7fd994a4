#include "shell/schedule/schedule_chart.h"

#include <array>

#include <QAccessible>
#include <QPainter>

#include "core/money_text.h"
#include "core/schedule_summary.h"
#include "platform/gui/accessible_factory.h"
#include "platform/gui/readable_colour.h"
#include "shell/schedule/schedule_chart_accessible.h"

namespace lw::shell {

namespace {

struct Line
{
    const std::vector<double> ChartSeries::*values;
    QColor colour;
    QString name;
};

const std::array<Line, 3> &lines()
{
    static const std::array<Line, 3> all{ {
            { &ChartSeries::balance, QColor(0x1f, 0x4e, 0x9d), QStringLiteral("Balance") },
            { &ChartSeries::interestPaid, QColor(0xc0, 0x39, 0x2b),
                    QStringLiteral("Interest paid") },
            { &ChartSeries::principalPaid, QColor(0x2e, 0x8b, 0x3e),
                    QStringLiteral("Principal paid") },
    } };
    return all;
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

// The lines' colours are chosen for a light background; the background is the desktop's.
QColor shown(const QColor &line, const QWidget &chart)
{
    return platform::readableOn(
            line, chart.palette().color(QPalette::Base), platform::GraphicContrast);
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
    m_topText = core::money(m_series.top, money);
    m_firstMonth =
            schedule.rows.empty() ? QString() : core::monthYear(schedule.rows.front().date, dates);
    m_lastMonth =
            schedule.rows.empty() ? QString() : core::monthYear(schedule.rows.back().date, dates);
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
    const int line = metrics.height();
    const QRectF plot = QRectF(rect()).adjusted(
            metrics.horizontalAdvance(m_topText) + 8, 2 * line + 8, -12, -(line + 8));
    paintAxes(painter, plot);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Line &l : lines()) {
        painter.setPen(QPen(shown(l.colour, *this), 2));
        painter.drawPolyline(chartLine(m_series.*l.values, m_series.top, plot));
    }
    paintLegend(painter);
}

void ScheduleChart::paintAxes(QPainter &painter, const QRectF &plot) const
{
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    const QFontMetrics metrics = fontMetrics();
    painter.drawText(QPointF(4, plot.top() + metrics.ascent() / 2.0), m_topText);
    painter.drawText(QPointF(4, plot.bottom()), QStringLiteral("0"));
    const double baseline = plot.bottom() + metrics.height() + 2;
    painter.drawText(QPointF(plot.left(), baseline), m_firstMonth);
    painter.drawText(
            QPointF(plot.right() - metrics.horizontalAdvance(m_lastMonth), baseline), m_lastMonth);
}

void ScheduleChart::paintLegend(QPainter &painter) const
{
    const QFontMetrics metrics = fontMetrics();
    int x = 8;
    const int y = 6;
    for (const Line &l : lines()) {
        painter.fillRect(QRect(x, y + metrics.height() / 4, 12, metrics.height() / 2),
                shown(l.colour, *this));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QPoint(x + 16, y + metrics.ascent()), l.name);
        x += 16 + metrics.horizontalAdvance(l.name) + 16;
    }
}

} // namespace lw::shell
