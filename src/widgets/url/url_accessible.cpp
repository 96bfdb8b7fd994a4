#include "widgets/url/url_accessible.h"

#include "widgets/url/ovcurl.h"

namespace lw::url {

UrlAccessible::UrlAccessible(TOvcURL *label)
    : QAccessibleWidget(label, QAccessible::Link)
{ }

QAccessibleInterface *UrlAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(TOvcURL::staticMetaObject.className()))
        return new UrlAccessible(static_cast<TOvcURL *>(object)); // the cache owns it
    return nullptr;
}

TOvcURL *UrlAccessible::label() const
{
    return static_cast<TOvcURL *>(widget());
}

QString UrlAccessible::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Name:
        return label()->text();
    case QAccessible::Value:
        return label()->URL();
    default:
        return QAccessibleWidget::text(kind);
    }
}

QAccessible::State UrlAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    return state;
}

QStringList UrlAccessible::actionNames() const
{
    return { pressAction() };
}

void UrlAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        label()->Click();
}

} // namespace lw::url
