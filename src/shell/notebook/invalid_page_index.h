#pragma once

#include <stdexcept>
#include <string>

namespace lw::shell {

/// A page index outside the page list, or of a disabled page or one whose tab is hidden.
class EInvalidPageIndex final : public std::runtime_error
{
public:
    explicit EInvalidPageIndex(int index)
        : std::runtime_error("Invalid page index: " + std::to_string(index))
        , m_index(index)
    { }

    int index() const { return m_index; }

private:
    int m_index;
};

} // namespace lw::shell
