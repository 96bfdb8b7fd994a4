#pragma once

namespace lw::core {

/// Clears the floating-point status flags before a guarded stretch of arithmetic.
void clearFpFlags();

/// Throws MathError when invalid operation, division by zero or overflow has been flagged
/// since the last clearFpFlags(); underflow and inexact results stay silent.
void throwOnFpError();

/// Forces a value to be computed before the next flag test: the optimiser may otherwise
/// move the arithmetic past the test, since it does not see the flags as data.
template <typename T>
inline T settled(T value)
{
    asm volatile("" : "+m"(value) : : "memory");
    return value;
}

/// Runs a stretch of arithmetic between a flag reset and a flag test.
template <typename F>
inline auto checkedArithmetic(F &&compute)
{
    clearFpFlags();
    auto result = settled(compute());
    throwOnFpError();
    return result;
}

} // namespace lw::core
