#pragma once

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

namespace lw::shell {

/// Gives the keyboard focus back to the control of the window that had it last once the menu
/// bar's keyboard mode has ended. Qt's bar, when its keyboard mode is entered while it holds
/// the focus already, takes itself for the control to return to, and then keeps the focus
/// with no entry highlighted: typed keys would go nowhere.
class MenuBarFocusReturn final : public QObject
{
    Q_OBJECT

public:
    /// Watches `bar` and is owned by it.
    explicit MenuBarFocusReturn(QMenuBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusChanged(QWidget *now);
    bool holdsTheFocusForNothing() const;

    QMenuBar *m_bar;
    QPointer<QWidget> m_lender; // the window's last control with the focus besides the bar
};

} // namespace lw::shell
