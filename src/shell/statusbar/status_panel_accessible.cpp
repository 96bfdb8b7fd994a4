#include "shell/statusbar/status_panel_accessible.h"

#include "shell/statusbar/abfStatusBars.h"

namespace lw::shell {

StatusPanelAccessible::StatusPanelAccessible(TabfStatusBar *bar, const TabfStatusPanel *panel)
    : m_bar(bar)
    , m_panel(panel)
{ }

// Panels live as long as their bar, so a living bar means a living panel.
bool StatusPanelAccessible::isValid() const
{
    return !m_bar.isNull();
}

QObject *StatusPanelAccessible::object() const
{
    return nullptr;
}

QWindow *StatusPanelAccessible::window() const
{
    return m_bar.isNull() ? nullptr : m_bar->window()->windowHandle();
}

QAccessibleInterface *StatusPanelAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_bar.data());
}

QAccessibleInterface *StatusPanelAccessible::child(int) const
{
    return nullptr;
}

int StatusPanelAccessible::childCount() const
{
    return 0;
}

int StatusPanelAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *StatusPanelAccessible::childAt(int, int) const
{
    return nullptr;
}

QString StatusPanelAccessible::text(QAccessible::Text kind) const
{
    if (!isValid())
        return {};
    if (kind == QAccessible::Name)
        return m_panel->Text();
    if (kind == QAccessible::Description)
        return m_panel->Hint();
    return {};
}

// The panel's text belongs to the program, not to assistive tools.
void StatusPanelAccessible::setText(QAccessible::Text, const QString &) { }

QRect StatusPanelAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_bar->panelRect(m_panel->Index());
    return { m_bar->mapToGlobal(local.topLeft()), local.size() };
}

QAccessible::Role StatusPanelAccessible::role() const
{
    return QAccessible::StaticText;
}

QAccessible::State StatusPanelAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !isValid() || !m_bar->isVisible() || !m_panel->Visible();
    return state;
}

} // namespace lw::shell
