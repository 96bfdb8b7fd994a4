#pragma once

#include <mutex>

#include <QAccessible>

namespace lw::platform {

/// Installs a control's accessibility factory the first time it is asked for, so that the
/// control speaks to screen readers without the program's main having to know it.
template <QAccessible::InterfaceFactory Factory>
void installAccessibleFactoryOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QAccessible::installFactory(Factory);
    });
}

} // namespace lw::platform
