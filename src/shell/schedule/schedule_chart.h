#pragma once

#include <QLocale>
#include <QWidget>

#include "platform/locale_info.h"
#include "shell/schedule/chart_geometry.h"

namespace lw::shell {

/// The balance falling and the interest and principal paid so far rising, payment by
/// payment. Screen readers get the same story in words.
class ScheduleChart final : public QWidget
{
    Q_OBJECT

public:
    explicit ScheduleChart(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ScheduleChart)

    void setSchedule(const core::Schedule &schedule, const platform::LocaleInfo &money,
            const QLocale &dates);

    /// What the chart shows, in one or two sentences.
    const QString &description() const { return m_description; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintValueAxis(QPainter &painter, const QRectF &plot, const std::vector<double> &ticks,
            const QStringList &texts) const;
    void paintYearAxis(QPainter &painter, const QRectF &plot) const;
    void paintLineNames(
            QPainter &painter, const QRectF &plot, const std::vector<double> &ends) const;
    // Returns the legend's bottom edge.
    int paintLegend(QPainter &painter) const;

    ChartSeries m_series;
    platform::LocaleInfo m_money;
    QDate m_first; // the first payment's month
    QString m_description;
};

} // namespace lw::shell
