#pragma once

#include <stdexcept>

namespace lw::core {

/// An arithmetic failure of a calculation: invalid operation, division by zero or overflow.
/// The application's error handler recognises this type and restores sane inputs.
class MathError final : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace lw::core
