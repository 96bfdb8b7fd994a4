#include "shell/statusbar/status_bar_accessible.h"

#include "shell/statusbar/abfStatusBars.h"
#include "shell/statusbar/status_panel_accessible.h"

namespace lw::shell {

StatusBarAccessible::StatusBarAccessible(TabfStatusBar *bar)
    : QAccessibleWidget(bar, QAccessible::StatusBar)
{ }

StatusBarAccessible::~StatusBarAccessible()
{
    for (const auto &[panel, id] : m_children)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *StatusBarAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(TabfStatusBar::staticMetaObject.className()))
        return new StatusBarAccessible(static_cast<TabfStatusBar *>(object)); // the cache owns it
    return nullptr;
}

TabfStatusBar *StatusBarAccessible::bar() const
{
    return static_cast<TabfStatusBar *>(widget());
}

// A panel is shown when it is visible and among the panels laid out.
int StatusBarAccessible::childIndexOf(const TabfStatusBar &bar, const TabfStatusPanel &panel)
{
    const TabfStatusPanels &panels = bar.Panels();
    const int laidOut = std::min(panels.Count(), TabfStatusPanels::MaxLaidOut);
    int shown = 0;
    for (int i = 0; i < laidOut; ++i) {
        if (!panels[i].Visible())
            continue;
        if (&panels[i] == &panel)
            return shown;
        ++shown;
    }
    return -1;
}

const TabfStatusPanel *StatusBarAccessible::shownPanel(int index) const
{
    const TabfStatusPanels &panels = bar()->Panels();
    const int laidOut = std::min(panels.Count(), TabfStatusPanels::MaxLaidOut);
    int shown = 0;
    for (int i = 0; i < laidOut; ++i) {
        if (panels[i].Visible() && shown++ == index)
            return &panels[i];
    }
    return nullptr;
}

int StatusBarAccessible::childCount() const
{
    int count = 0;
    while (shownPanel(count) != nullptr)
        ++count;
    return count;
}

QAccessibleInterface *StatusBarAccessible::child(int index) const
{
    const TabfStatusPanel *panel = shownPanel(index);
    if (panel == nullptr)
        return nullptr;
    const auto found = m_children.find(panel);
    if (found != m_children.end())
        return QAccessible::accessibleInterface(found->second);
    auto *face = new StatusPanelAccessible(bar(), panel); // the registry owns it
    m_children.emplace(panel, QAccessible::registerAccessibleInterface(face));
    return face;
}

int StatusBarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const int count = childCount();
    for (int i = 0; i < count; ++i) {
        if (this->child(i) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface *StatusBarAccessible::childAt(int x, int y) const
{
    const TabfStatusPanel *panel = bar()->panelAt(bar()->mapFromGlobal(QPoint(x, y)));
    return panel == nullptr ? nullptr : child(childIndexOf(*bar(), *panel));
}

} // namespace lw::shell
