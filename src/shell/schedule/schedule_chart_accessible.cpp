#include "shell/schedule/schedule_chart_accessible.h"

#include "shell/schedule/schedule_chart.h"

namespace lw::shell {

ScheduleChartAccessible::ScheduleChartAccessible(ScheduleChart *chart)
    : QAccessibleWidget(chart, QAccessible::Chart)
{ }

QString ScheduleChartAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Description || kind == QAccessible::Value)
        return static_cast<const ScheduleChart *>(widget())->description();
    return QAccessibleWidget::text(kind);
}

QAccessibleInterface *ScheduleChartAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(ScheduleChart::staticMetaObject.className()))
        return new ScheduleChartAccessible(
                static_cast<ScheduleChart *>(object)); // the cache owns it
    return nullptr;
}

} // namespace lw::shell
