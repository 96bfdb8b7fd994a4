#include "widgets/html/html_label_accessible.h"

#include <QWidget>

#include "widgets/html/HTMLabel.h"
#include "widgets/html/htmlhint.h"

namespace lw::html {

HtmlLabelAccessible::HtmlLabelAccessible(THTMLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{ }

HtmlLabelAccessible::~HtmlLabelAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_linkIds))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *HtmlLabelAccessible::factory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<THTMLabel *>(object))
        return new HtmlLabelAccessible(label); // owned by the accessibility cache
    return nullptr;
}

void HtmlLabelAccessible::textChanged(THTMLabel *label)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

THTMLabel *HtmlLabelAccessible::label() const
{
    return static_cast<THTMLabel *>(widget());
}

PlainMarkup HtmlLabelAccessible::plain() const
{
    return plainMarkup(label()->renderedText());
}

QString HtmlLabelAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return plain().text;
    return QAccessibleWidget::text(kind);
}

int HtmlLabelAccessible::childCount() const
{
    return static_cast<int>(plain().links.size());
}

QAccessibleInterface *HtmlLabelAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto found = m_linkIds.constFind(index);
    if (found == m_linkIds.cend()) {
        auto *link = new HtmlLinkAccessible(label(), index); // owned by the accessibility cache
        found = m_linkIds.insert(index, QAccessible::registerAccessibleInterface(link));
    }
    return QAccessible::accessibleInterface(*found);
}

int HtmlLabelAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *link = dynamic_cast<const HtmlLinkAccessible *>(child);
    return link != nullptr && link->parent() == this ? link->index() : -1;
}

QAccessibleInterface *HtmlHintAccessible::factory(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<THTMLHintWindow *>(object))
        return new QAccessibleWidget(window, QAccessible::ToolTip); // owned by the cache
    return nullptr;
}

HtmlLinkAccessible::HtmlLinkAccessible(THTMLabel *label, int index)
    : m_label(label)
    , m_index(index)
{ }

PlainLink HtmlLinkAccessible::link() const
{
    if (!m_label)
        return {};
    const PlainMarkup plain = plainMarkup(m_label->renderedText());
    return m_index < plain.links.size() ? plain.links.at(m_index) : PlainLink{};
}

bool HtmlLinkAccessible::isValid() const
{
    return !link().target.isEmpty();
}

// A link is no object of its own; the cache keeps it by id.
QObject *HtmlLinkAccessible::object() const
{
    return nullptr;
}

QWindow *HtmlLinkAccessible::window() const
{
    return m_label ? m_label->window()->windowHandle() : nullptr;
}

QAccessibleInterface *HtmlLinkAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_label.data());
}

QString HtmlLinkAccessible::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Name:
        return link().text;
    case QAccessible::Value:
        return link().target;
    default:
        return {};
    }
}

// The renderer places links only while painting; the label's rectangle holds them all.
QRect HtmlLinkAccessible::rect() const
{
    return m_label ? QRect(m_label->mapToGlobal(QPoint(0, 0)), m_label->size()) : QRect();
}

QAccessible::Role HtmlLinkAccessible::role() const
{
    return QAccessible::Link;
}

QAccessible::State HtmlLinkAccessible::state() const
{
    QAccessible::State state;
    state.linked = true;
    state.invisible = !m_label || !m_label->isVisible();
    return state;
}

void HtmlLinkAccessible::press()
{
    const QString target = link().target;
    if (m_label && !target.isEmpty())
        m_label->clickAnchor(target);
}

} // namespace lw::html
