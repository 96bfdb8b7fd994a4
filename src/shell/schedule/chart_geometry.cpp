#include "shell/schedule/chart_geometry.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lw::shell {

ChartSeries chartSeries(const core::Schedule &schedule)
{
    ChartSeries s;
    if (schedule.rows.empty())
        return s;
    core::Cents interest = 0;
    core::Cents principal = 0;
    const auto add = [&s, &interest, &principal](core::Cents balance) {
        s.balance.push_back(core::toAmount(balance));
        s.interestPaid.push_back(core::toAmount(interest));
        s.principalPaid.push_back(core::toAmount(principal));
    };
    add(schedule.totals.principal);
    for (const core::ScheduleRow &row : schedule.rows) {
        interest += row.interest;
        principal += row.principal + row.extra;
        add(row.balance);
    }
    s.top = std::max({ s.balance.front(), s.interestPaid.back(), s.principalPaid.back() });
    return s;
}

QPolygonF chartLine(const std::vector<double> &values, double top, const QRectF &plot)
{
    QPolygonF line;
    if (values.size() < 2 || top <= 0)
        return line;
    const double step = plot.width() / static_cast<double>(values.size() - 1);
    line.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        line << QPointF(plot.left() + step * static_cast<double>(i),
                plot.bottom() - values[i] / top * plot.height());
    return line;
}

std::vector<double> valueTicks(double top, int most)
{
    if (!(top > 0) || most < 1)
        return { 0 };
    const double power = std::pow(10.0, std::floor(std::log10(top / most)));
    double step = power;
    for (const double factor : { 1.0, 2.0, 5.0, 10.0 }) {
        step = factor * power;
        if (std::ceil(top / step) <= most)
            break;
    }
    std::vector<double> ticks;
    for (int i = 0; i <= static_cast<int>(std::ceil(top / step)); ++i)
        ticks.push_back(step * i);
    return ticks;
}

std::vector<YearTick> yearTicks(const QDate &first, int points, int every)
{
    std::vector<YearTick> ticks;
    for (int point = 1; point < points; ++point) {
        const QDate date = first.addMonths(point - 1);
        if (date.month() == 1 && (date.year() - 2000) % std::max(every, 1) == 0)
            ticks.push_back({ point, date.year() });
    }
    return ticks;
}

int yearStep(int labels, double labelWidth, double width)
{
    for (int step = 1;; step *= 10)
        for (const int factor : { 1, 2, 5 }) {
            const int shown = labels / (step * factor); // whole labels only
            if (shown * labelWidth * 1.5 <= width || step > 1000)
                return step * factor;
        }
}

std::vector<QPoint> legendPlaces(const std::vector<int> &widths, int width, int lineHeight)
{
    std::vector<QPoint> places;
    QPoint at(0, 0);
    for (const int w : widths) {
        if (at.x() > 0 && at.x() + w > width)
            at = QPoint(0, at.y() + lineHeight);
        places.push_back(at);
        at.rx() += w;
    }
    return places;
}

std::vector<double> spreadLabels(std::vector<double> ys, double gap, double highest, double lowest)
{
    std::vector<std::size_t> order(ys.size());
    std::iota(order.begin(), order.end(), std::size_t{ 0 });
    std::sort(order.begin(), order.end(), [&ys](std::size_t a, std::size_t b) {
        return ys[a] < ys[b];
    });
    // Down from the top, then back up from the bottom if the last ones ran past it.
    for (std::size_t i = 0; i < order.size(); ++i) {
        const double floor = i == 0 ? highest : ys[order[i - 1]] + gap;
        ys[order[i]] = std::max(ys[order[i]], floor);
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        const double ceiling = i + 1 == order.size() ? lowest : ys[order[i + 1]] - gap;
        ys[order[i]] = std::min(ys[order[i]], ceiling);
    }
    return ys;
}

} // namespace lw::shell
