#pragma once

#include <functional>

namespace lw::platform {

/// The line between copies of the program that one user runs on one settings folder, so that
/// a later start can hand over to the copy that runs already.
class InstanceChannel
{
public:
    virtual ~InstanceChannel() = default;

    /// Asks the copy that runs already to come to the front; true when one has taken the
    /// request, and this start should end.
    virtual bool askRunningCopy() = 0;

    /// From now on, each later start's request calls `raise`; false when the channel cannot be
    /// had, and the program runs on its own.
    virtual bool serve(std::function<void()> raise) = 0;
};

} // namespace lw::platform
