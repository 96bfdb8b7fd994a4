#include "shell/menu_bar_style.h"

#include <QApplication>
#include <QStyleOptionMenuItem>

namespace lw::shell {

MenuBarStyle::MenuBarStyle()
    : QProxyStyle(QApplication::style()->name())
{ }

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption *option,
        QPainter *painter, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element == CE_MenuBarItem && item && (item->state & State_Selected) && widget
            && widget->hasFocus()) {
        QStyleOptionMenuItem resting = *item;
        resting.state |= State_Sunken;
        QProxyStyle::drawControl(element, &resting, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace lw::shell
