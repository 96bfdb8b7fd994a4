#include "widgets/numeric/plain_number.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace lw::numeric {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The shape of a number text, and the decimal exponent of its first significant digit, which
// tells an overflow from an underflow when the conversion reports the value out of range.
struct Shape
{
    bool valid = false;
    bool zero = true;
    long long leadExponent = 0;
};

int scanDigits(std::string_view text, size_t &i, Shape &shape, bool fraction)
{
    const size_t first = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (text[i] != '0' && shape.zero) {
            shape.zero = false;
            shape.leadExponent = fraction ? -static_cast<long long>(i - first + 1)
                                          : static_cast<long long>(i - first);
        }
    }
    return static_cast<int>(i - first);
}

Shape scan(std::string_view text)
{
    Shape shape;
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const int integerDigits = scanDigits(text, i, shape, false);
    if (!shape.zero)
        shape.leadExponent = integerDigits - 1 - shape.leadExponent;
    int fractionDigits = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        fractionDigits = scanDigits(text, i, shape, true);
    }
    if (integerDigits + fractionDigits == 0)
        return shape;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        long long exponent = 0;
        const size_t first = i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
        if (i == first)
            return shape;
        shape.leadExponent += negative ? -exponent : exponent;
    }
    shape.valid = i == text.size();
    return shape;
}

} // namespace

bool PlainNumber::Text::assign(QStringView text)
{
    if (text.size() > MaxLength)
        return false;
    m_size = static_cast<int>(text.size());
    for (int i = 0; i < m_size; ++i) {
        const char16_t c = text[i].unicode();
        m_data[static_cast<size_t>(i)] = c < 128 ? static_cast<char>(c) : '?';
    }
    return true;
}

bool PlainNumber::Text::assign(std::string_view text)
{
    if (text.size() > MaxLength)
        return false;
    m_size = static_cast<int>(text.size());
    std::copy(text.begin(), text.end(), m_data.begin());
    return true;
}

void PlainNumber::Text::insert(int at, char c)
{
    std::copy_backward(m_data.begin() + at, m_data.begin() + m_size, m_data.begin() + m_size + 1);
    m_data[static_cast<size_t>(at)] = c;
    ++m_size;
}

void PlainNumber::Text::erase(int at)
{
    std::copy(m_data.begin() + at + 1, m_data.begin() + m_size, m_data.begin() + at);
    --m_size;
}

void PlainNumber::Text::trimBlanks()
{
    int end = m_size;
    while (end > 0 && m_data[static_cast<size_t>(end - 1)] == ' ')
        --end;
    int start = 0;
    while (start < end && m_data[static_cast<size_t>(start)] == ' ')
        ++start;
    std::copy(m_data.begin() + start, m_data.begin() + end, m_data.begin());
    m_size = end - start;
}

int PlainNumber::Text::indexOf(char c) const
{
    const auto v = view();
    const size_t at = v.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

void PlainNumber::normalise(Text &text)
{
    text.trimBlanks();
    if (text.size() == 0) {
        text.insert(0, '0');
        return;
    }
    if (text.at(text.size() - 1) == '.') {
        text.erase(text.size() - 1);
        text.trimBlanks();
    }
    if (text.size() > 0 && text.at(text.size() - 1) == '.')
        text.insert(text.size(), '0');
    if (text.size() > 0 && text.at(0) == '.')
        text.insert(0, '0');
    if (const size_t minus = text.view().find("-."); minus != std::string_view::npos)
        text.insert(static_cast<int>(minus) + 1, '0');
    int exponent = text.indexOf('E');
    if (exponent < 0)
        exponent = text.indexOf('e');
    if (exponent >= 0 && text.indexOf('.') < 0)
        text.insert(exponent, '.');
    const int point = text.indexOf('.');
    if (point < 0)
        return;
    int after = point + 1;
    while (after < text.size() && text.at(after) == ' ')
        text.erase(after);
    for (int before = point - 1; before >= 0 && text.at(before) == ' '; --before)
        text.erase(before);
}

std::optional<long double> PlainNumber::convert(std::string_view text)
{
    const Shape shape = scan(text);
    if (!shape.valid)
        return std::nullopt;
    // from_chars takes no '+'; the scan allowed one sign only.
    if (text.front() == '+')
        text.remove_prefix(1);
    long double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range && shape.leadExponent < 0)
        return text.front() == '-' ? -0.0L : 0.0L;
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<long double> PlainNumber::parse(QStringView text)
{
    Text buffer;
    if (!buffer.assign(text))
        return std::nullopt;
    normalise(buffer);
    return convert(buffer.view());
}

} // namespace lw::numeric
