#include "platform/gui/pressable_leaf_accessible.h"

namespace lw::platform {

void *PressableLeafAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

void PressableLeafAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        press();
}

} // namespace lw::platform
