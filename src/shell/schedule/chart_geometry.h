#pragma once

#include <vector>

#include <QDate>
#include <QPoint>
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

/// Round amounts from 0 up to the first at or above `top`, in steps of 1, 2 or 5 times a
/// power of ten, at most `most` steps; just 0 when there is nothing to show.
std::vector<double> valueTicks(double top, int most);

/// A year along the bottom: the point of its January payment (point 0 is before the first).
struct YearTick
{
    int point = 0;
    int year = 0;

    friend bool operator==(const YearTick &, const YearTick &) = default;
};

/// Every `every`th January among the `points` of a schedule whose first payment is in
/// `first`, counted from the year 2000 so the labels stay on round years.
std::vector<YearTick> yearTicks(const QDate &first, int points, int every);

/// The fewest years between labels (1, 2, 5, 10, 20...) so that `labels` of them, each
/// `labelWidth` wide, fit `width` with a gap.
int yearStep(int labels, double labelWidth, double width);

/// Where each legend entry of the given widths starts, in rows of `lineHeight` that wrap
/// before `width` is passed.
std::vector<QPoint> legendPlaces(const std::vector<int> &widths, int width, int lineHeight);

/// The label heights moved apart as little as needs be so that none is within `gap` of
/// another, all kept between `lowest` and `highest` (downward: `highest` < `lowest`).
std::vector<double> spreadLabels(std::vector<double> ys, double gap, double highest, double lowest);

} // namespace lw::shell
