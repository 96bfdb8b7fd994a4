#pragma once

#include <QAccessibleInterface>

namespace lw::platform {

/// What screen readers see of a part of a control that has no widget of its own and no
/// children, such as a notebook tab or a link in a text: it offers one action, press.
/// Subclasses say what it is, where it stands and what pressing does.
class PressableLeafAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QAccessibleInterface *child(int) const override { return nullptr; }

    int childCount() const override { return 0; }

    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    void setText(QAccessible::Text, const QString &) override { }

    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override { return { pressAction() }; }

    void doAction(const QString &actionName) override;

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

protected:
    /// Carries out the press; nothing when the part is gone or cannot be pressed now.
    virtual void press() = 0;
};

} // namespace lw::platform
