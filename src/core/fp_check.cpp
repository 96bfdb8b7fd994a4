#include "core/fp_check.h"

#include <cfenv>

#include "core/math_error.h"

namespace lw::core {

void clearFpFlags()
{
    std::feclearexcept(FE_ALL_EXCEPT);
    asm volatile("" : : : "memory");
}

void throwOnFpError()
{
    asm volatile("" : : : "memory");
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised & FE_INVALID)
        throw MathError("Invalid floating point operation");
    if (raised & FE_DIVBYZERO)
        throw MathError("Floating point division by zero");
    if (raised & FE_OVERFLOW)
        throw MathError("Floating point overflow");
}

} // namespace lw::core
