#pragma once

#include <vector>

#include <QPolygonF>
#include <QRectF>

#include "core/schedule.h"

namespace lw::shell {

/// The chart's three lines, one value a point from before the first payment to after the
/// last, in currency units.
struct ChartSeries
{
    std::vector<double> balance;
    std::vector<double> interestPaid; // summed from the first payment on
    std::vector<double> principalPaid; // scheduled and extra
    double top = 0; // the largest value of the three
};

ChartSeries chartSeries(const core::Schedule &schedule);

/// The line through `values`, spread evenly across `plot` from its left to its right edge;
/// `top` maps to the plot's top edge and 0 to its bottom edge.
QPolygonF chartLine(const std::vector<double> &values, double top, const QRectF &plot);

} // namespace lw::shell
