#pragma once

#include <QAccessibleInterface>
#include <QPointer>

namespace lw::shell {

class TabfStatusBar;
class TabfStatusPanel;

/// One shown panel of a status bar: a static text named by the panel's text.
class StatusPanelAccessible final : public QAccessibleInterface
{
public:
    StatusPanelAccessible(TabfStatusBar *bar, const TabfStatusPanel *panel);
    Q_DISABLE_COPY_MOVE(StatusPanelAccessible)

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<TabfStatusBar> m_bar;
    const TabfStatusPanel *m_panel;
};

} // namespace lw::shell
