#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>

namespace lw::shell {

class TOvcNotebook;
class TOvcTabPage;

/// What screen readers learn of a notebook: a page tab list whose first children are the
/// tabs of the visible pages, followed by all pages, both in page order.
class NotebookAccessible final : public QAccessibleWidget
{
public:
    explicit NotebookAccessible(TOvcNotebook *notebook);
    ~NotebookAccessible() override;
    Q_DISABLE_COPY_MOVE(NotebookAccessible)

    /// The factory to install once per process, before the first notebook is shown.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    /// The child index of a page's tab, or -1 when the tab is hidden or there is no such page.
    static int tabChildIndex(const TOvcNotebook &notebook, int pageIndex);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessible::State state() const override;

private:
    TOvcNotebook *notebook() const;
    int tabCount() const;
    int pageOfChild(int index) const;
    QAccessibleInterface *tabInterface(int pageIndex) const;

    // The tabs are no widgets: their interfaces are registered with the cache here and
    // released with the notebook's.
    mutable QHash<const TOvcTabPage *, QAccessible::Id> m_tabIds;
};

} // namespace lw::shell
