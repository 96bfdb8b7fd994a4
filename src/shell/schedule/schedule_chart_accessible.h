#pragma once

#include <QAccessibleWidget>

namespace lw::shell {

class ScheduleChart;

/// The chart as a screen reader meets it: a chart named by its subject, whose description
/// says in words what the lines show.
class ScheduleChartAccessible final : public QAccessibleWidget
{
public:
    explicit ScheduleChartAccessible(ScheduleChart *chart);
    Q_DISABLE_COPY_MOVE(ScheduleChartAccessible)

    QString text(QAccessible::Text kind) const override;

    static QAccessibleInterface *factory(const QString &className, QObject *object);
};

} // namespace lw::shell
