#include "shell/notebook/notebook_tab_accessible.h"

#include <QWidget>

#include "shell/notebook/notebook_accessible.h"

namespace lw::shell {

NotebookTabAccessible::NotebookTabAccessible(TOvcNotebook *notebook, TOvcTabPage *page)
    : m_notebook(notebook)
    , m_page(page)
{ }

int NotebookTabAccessible::pageIndex() const
{
    return m_notebook && m_page ? m_notebook->indexOfPage(m_page) : -1;
}

bool NotebookTabAccessible::isValid() const
{
    return pageIndex() >= 0 && m_page->PageVisible();
}

// A tab is no object of its own; the cache keeps it by id.
QObject *NotebookTabAccessible::object() const
{
    return nullptr;
}

QWindow *NotebookTabAccessible::window() const
{
    return m_notebook ? m_notebook->window()->windowHandle() : nullptr;
}

QAccessibleInterface *NotebookTabAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_notebook.data());
}

QString NotebookTabAccessible::text(QAccessible::Text kind) const
{
    if (!isValid())
        return {};
    switch (kind) {
    case QAccessible::Name:
        return shownCaption(m_page->Caption()).trimmed();
    case QAccessible::Description:
        return m_page->Hint();
    case QAccessible::Accelerator: {
        const QChar letter = acceleratorOf(m_page->Caption());
        return letter.isNull() ? QString() : QStringLiteral("Alt+") + letter.toUpper();
    }
    default:
        return {};
    }
}

QRect NotebookTabAccessible::rect() const
{
    const int index = pageIndex();
    if (index < 0)
        return {};
    const QRect local = m_notebook->tabRect(index);
    return { m_notebook->mapToGlobal(local.topLeft()), local.size() };
}

QAccessible::Role NotebookTabAccessible::role() const
{
    return QAccessible::PageTab;
}

QAccessible::State NotebookTabAccessible::state() const
{
    QAccessible::State state;
    const int index = pageIndex();
    if (index < 0) {
        state.invalid = true;
        return state;
    }
    const bool active = index == m_notebook->PageIndex();
    state.selectable = true;
    state.selected = active;
    state.focusable = true;
    state.focused = active && m_notebook->hasFocus();
    state.disabled = !m_page->isEnabled();
    state.invisible = !m_notebook->isVisible() || !m_page->PageVisible();
    return state;
}

void NotebookTabAccessible::press()
{
    const int index = pageIndex();
    if (m_notebook && !m_notebook->isLoading() && m_notebook->isSelectable(index))
        m_notebook->setPageIndex(index);
}

} // namespace lw::shell
