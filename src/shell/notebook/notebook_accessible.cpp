#include "shell/notebook/notebook_accessible.h"

#include "shell/notebook/notebook_tab_accessible.h"
#include "shell/notebook/ovcnbk.h"

namespace lw::shell {

NotebookAccessible::NotebookAccessible(TOvcNotebook *notebook)
    : QAccessibleWidget(notebook, QAccessible::PageTabList)
{ }

NotebookAccessible::~NotebookAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_tabIds))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *NotebookAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(TOvcNotebook::staticMetaObject.className()))
        return new NotebookAccessible(static_cast<TOvcNotebook *>(object)); // the cache owns it
    return nullptr;
}

int NotebookAccessible::tabChildIndex(const TOvcNotebook &notebook, int pageIndex)
{
    const TOvcTabPage *page = notebook.Pages(pageIndex);
    if (!page || !page->PageVisible())
        return -1;
    int child = 0;
    for (int i = 0; i < pageIndex; ++i)
        child += notebook.Pages(i)->PageVisible() ? 1 : 0;
    return child;
}

TOvcNotebook *NotebookAccessible::notebook() const
{
    return static_cast<TOvcNotebook *>(widget());
}

int NotebookAccessible::tabCount() const
{
    int count = 0;
    for (int i = 0; i < notebook()->PageCount(); ++i)
        count += notebook()->Pages(i)->PageVisible() ? 1 : 0;
    return count;
}

// The page whose tab is the child at index, or -1 past the tabs.
int NotebookAccessible::pageOfChild(int index) const
{
    int child = -1;
    for (int i = 0; i < notebook()->PageCount(); ++i) {
        if (notebook()->Pages(i)->PageVisible() && ++child == index)
            return i;
    }
    return -1;
}

QAccessibleInterface *NotebookAccessible::tabInterface(int pageIndex) const
{
    TOvcTabPage *page = notebook()->Pages(pageIndex);
    const auto known = m_tabIds.constFind(page);
    if (known != m_tabIds.constEnd()) {
        auto *tab = static_cast<NotebookTabAccessible *>(QAccessible::accessibleInterface(*known));
        if (tab && tab->page() == page)
            return tab;
        // A page made where a deleted one lived gets a tab of its own.
        QAccessible::deleteAccessibleInterface(*known);
        m_tabIds.erase(known);
    }
    auto *tab = new NotebookTabAccessible(notebook(), page); // the cache owns it
    m_tabIds.insert(page, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int NotebookAccessible::childCount() const
{
    return tabCount() + notebook()->PageCount();
}

// Pages follow in page order: their stacking order changes with every selection.
QAccessibleInterface *NotebookAccessible::child(int index) const
{
    const int tabs = tabCount();
    if (index < 0 || index >= tabs + notebook()->PageCount())
        return nullptr;
    if (index < tabs)
        return tabInterface(pageOfChild(index));
    return QAccessible::queryAccessibleInterface(notebook()->Pages(index - tabs));
}

int NotebookAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (const auto *tab = dynamic_cast<const NotebookTabAccessible *>(child)) {
        const int page = tab->page() ? notebook()->indexOfPage(tab->page()) : -1;
        return tabChildIndex(*notebook(), page);
    }
    const int page = notebook()->indexOfPage(child->object());
    return page < 0 ? -1 : tabCount() + page;
}

QAccessibleInterface *NotebookAccessible::childAt(int x, int y) const
{
    const QPoint local = notebook()->mapFromGlobal(QPoint(x, y));
    const int tab = notebook()->tabAt(local);
    if (tab >= 0)
        return tabInterface(tab);
    const TOvcTabPage *shown = notebook()->Pages(notebook()->PageIndex());
    if (shown && shown->isVisible() && shown->geometry().contains(local))
        return QAccessible::queryAccessibleInterface(notebook()->Pages(notebook()->PageIndex()));
    return nullptr;
}

QAccessibleInterface *NotebookAccessible::focusChild() const
{
    if (notebook()->hasFocus() && tabChildIndex(*notebook(), notebook()->PageIndex()) >= 0)
        return tabInterface(notebook()->PageIndex());
    return QAccessibleWidget::focusChild();
}

QAccessible::State NotebookAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // A click on a tab focuses the notebook although Tab never does.
    state.focusable = true;
    return state;
}

} // namespace lw::shell
