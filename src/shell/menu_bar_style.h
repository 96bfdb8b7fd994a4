#pragma once

#include <QProxyStyle>

namespace lw::shell {

/// The platform's style for a menu bar, except that the entry the keyboard rests on while the
/// bar has the focus is drawn as highlighted as an open one: the plain style shows nothing
/// there, and a user who closed a menu with Escape would not see where the keys go.
class MenuBarStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    /// Based on a new instance of the application's style.
    MenuBarStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
            const QWidget *widget = nullptr) const override;
};

} // namespace lw::shell
