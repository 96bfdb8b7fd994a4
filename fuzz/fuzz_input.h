#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include <QByteArray>

namespace lw::fuzz {

/// Reads a fuzzer's bytes front to back; once they run out every read gives zeros, so a short
/// input is as good a case as a long one.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    { }

    bool empty() const { return m_at >= m_size; }

    std::uint8_t byte() { return empty() ? 0 : m_data[m_at++]; }

    /// A number below `count` (count > 0).
    std::size_t pick(std::size_t count) { return byte() % count; }

    template <typename T>
    T raw()
    {
        T value{};
        const std::size_t n = m_size - m_at < sizeof value ? m_size - m_at : sizeof value;
        std::memcpy(&value, m_data + m_at, n);
        m_at += n;
        return value;
    }

    /// Up to `most` of the following bytes.
    QByteArray bytes(std::size_t most)
    {
        const std::size_t n = m_size - m_at < most ? m_size - m_at : most;
        const QByteArray taken(reinterpret_cast<const char *>(m_data + m_at), qsizetype(n));
        m_at += n;
        return taken;
    }

    /// Everything not read yet.
    QByteArray rest() { return bytes(m_size - m_at); }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

} // namespace lw::fuzz
