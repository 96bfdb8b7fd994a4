#include "shell/schedule/chart_geometry.h"

#include <algorithm>

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

} // namespace lw::shell
