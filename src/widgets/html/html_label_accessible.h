#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "platform/gui/pressable_leaf_accessible.h"
#include "widgets/html/markup_plain.h"

namespace lw::html {

class THTMLabel;

/// An HTML label as screen readers see it: static text named by its words without tags, with
/// one link child for each anchor.
class HtmlLabelAccessible final : public QAccessibleWidget
{
public:
    explicit HtmlLabelAccessible(THTMLabel *label);
    ~HtmlLabelAccessible() override;
    Q_DISABLE_COPY_MOVE(HtmlLabelAccessible)

    static QAccessibleInterface *factory(const QString &className, QObject *object);
    /// Tells screen readers that the label's text changed.
    static void textChanged(THTMLabel *label);

    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    THTMLabel *label() const;
    PlainMarkup plain() const;

private:
    mutable QHash<int, QAccessible::Id> m_linkIds;
};

/// The tool-tip window: a tool-tip named by its words without tags.
struct HtmlHintAccessible
{
    static QAccessibleInterface *factory(const QString &className, QObject *object);
};

/// One link of an HTML label: named by its words; pressing it opens it as a click does.
class HtmlLinkAccessible final : public lw::platform::PressableLeafAccessible
{
public:
    HtmlLinkAccessible(THTMLabel *label, int index);

    int index() const { return m_index; }

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

protected:
    void press() override;

private:
    PlainLink link() const;

    QPointer<THTMLabel> m_label;
    int m_index;
};

} // namespace lw::html
