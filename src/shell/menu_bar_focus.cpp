#include "shell/menu_bar_focus.h"

#include <QApplication>
#include <QEvent>
#include <QMenuBar>

namespace lw::shell {

MenuBarFocusReturn::MenuBarFocusReturn(QMenuBar *bar)
    : QObject(bar)
    , m_bar(bar)
{
    bar->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        focusChanged(now);
    });
}

void MenuBarFocusReturn::focusChanged(QWidget *now)
{
    if (now != nullptr && now != m_bar && now->window() == m_bar->window())
        m_lender = now;
}

// In keyboard mode an entry is highlighted or its menu is open; outside it the bar has no
// business with the focus.
bool MenuBarFocusReturn::holdsTheFocusForNothing() const
{
    return m_bar->hasFocus() && m_bar->activeAction() == nullptr
            && QApplication::activePopupWidget() == nullptr;
}

// A key that ends the keyboard mode has been handled by the time its release arrives.
bool MenuBarFocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_bar && event->type() == QEvent::KeyRelease && m_lender
            && holdsTheFocusForNothing())
        m_lender->setFocus(Qt::MenuBarFocusReason);
    return false;
}

} // namespace lw::shell
