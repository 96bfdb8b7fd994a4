#pragma once

#include <map>

#include <QAccessible>
#include <QAccessibleWidget>

namespace lw::shell {

class TabfStatusBar;
class TabfStatusPanel;

/// What screen readers learn of a status bar: a status bar whose children are its visible,
/// laid-out panels, each a static text named by the panel's text.
class StatusBarAccessible final : public QAccessibleWidget
{
public:
    explicit StatusBarAccessible(TabfStatusBar *bar);
    ~StatusBarAccessible() override;
    Q_DISABLE_COPY_MOVE(StatusBarAccessible)

    /// The factory the bar installs once per process.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    /// The child index of a panel, or -1 when it is not shown.
    static int childIndexOf(const TabfStatusBar &bar, const TabfStatusPanel &panel);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    TabfStatusBar *bar() const;
    const TabfStatusPanel *shownPanel(int index) const;

    // One registered interface per panel, kept until the bar's interface goes.
    mutable std::map<const TabfStatusPanel *, QAccessible::Id> m_children;
};

} // namespace lw::shell
