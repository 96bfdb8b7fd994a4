#include "widgets/numeric/numeric_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "widgets/numeric/mask_layout.h"
#include "widgets/numeric/ovcintl.h"
#include "widgets/numeric/plain_number.h"

namespace lw::numeric {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Trailing zeros go only after a point: "100" must stay a hundred.
std::string_view withoutTrailingZeros(std::string_view text)
{
    if (text.find('.') == std::string_view::npos)
        return text;
    while (!text.empty() && text.back() == '0')
        text.remove_suffix(1);
    if (!text.empty() && text.back() == '.')
        text.remove_suffix(1);
    return text;
}

// A value that rounds to zero shows no minus sign.
std::string_view withoutNegativeZero(std::string_view text)
{
    if (!text.empty() && text.front() == '-'
            && text.find_first_not_of("0.", 1) == std::string_view::npos)
        text.remove_prefix(1);
    return text;
}

// Enough for 300 integer digits, a sign, a point and the decimals of a 255-character mask.
constexpr size_t formatBufferSize = 600;

// Any larger value has more integer digits than a mask can have positions.
constexpr long double largestFormatted = 1e300L;

} // namespace

NumericText::NumericText(const MaskLayout &mask, const TOvcIntlSup &intl)
    : m_mask(mask)
    , m_intl(intl)
{ }

bool NumericText::format(long double value, bool whole, QString &display) const
{
    if (!std::isfinite(value) || std::fabs(value) >= largestFormatted) {
        overflowMark(display);
        return false;
    }
    const int decimals = whole ? 0 : m_mask.MaskDecimals();
    char buffer[formatBufferSize];
    char *const end = buffer + formatBufferSize;
    const double asDouble = static_cast<double>(value);
    // Same digits either way; the double conversion is the faster one.
    const auto result = static_cast<long double>(asDouble) == value
            ? std::to_chars(buffer, end, asDouble, std::chars_format::fixed, decimals)
            : std::to_chars(buffer, end, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc{}) {
        overflowMark(display);
        return false;
    }
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    if (!whole && m_mask.MaskFreeDecimals() != 0)
        text = withoutTrailingZeros(text);
    if (!merge(withoutNegativeZero(text), display)) {
        overflowMark(display);
        return false;
    }
    return true;
}

bool NumericText::merge(std::string_view number, QString &display) const
{
    display.resize(m_mask.displayLength());
    QChar *const out = display.data();
    layLiterals(out);
    if (m_mask.hasFixedCurrency())
        layFixedCurrency(out);

    number = trimmed(number);
    const bool negative = !number.empty() && number.front() == '-';
    if (negative)
        number = trimmed(number.substr(1));
    const size_t point = number.find('.');
    // Without a point in the mask, free decimals keep their own point among the digits.
    const bool floatingPoint = m_mask.decimalPosition() < 0 && point != std::string_view::npos
            && point + 1 < number.size();
    const std::string_view integer = floatingPoint ? number : number.substr(0, point);
    if (m_mask.decimalPosition() >= 0)
        layFraction(out,
                point == std::string_view::npos ? std::string_view{} : number.substr(point + 1));
    return layInteger(out, integer, negative);
}

void NumericText::overflowMark(QString &display) const
{
    display.resize(m_mask.displayLength());
    QChar *const out = display.data();
    layLiterals(out);
    if (m_mask.hasFixedCurrency())
        layFixedCurrency(out);
    for (int p = 0; p < m_mask.displayLength(); ++p) {
        if (m_mask.positionClass(p) == PositionClass::Literal)
            continue;
        out[p] = m_mask.pictureChar(p) == u',' ? m_intl.ThousandChar() : QChar(u'*');
    }
}

void NumericText::layLiterals(QChar *out) const
{
    for (int p = 0; p < m_mask.displayLength(); ++p) {
        const QChar c = m_mask.pictureChar(p);
        if (m_mask.positionClass(p) != PositionClass::Literal)
            out[p] = u' ';
        else
            out[p] = c == u'.' ? m_intl.DecimalChar() : c;
    }
}

// 'c' positions take the currency string right-aligned, 'C' positions left-aligned.
void NumericText::layFixedCurrency(QChar *out) const
{
    const QString &currency = m_intl.CurrencyString();
    int right = 0;
    for (int p = 0; p < m_mask.displayLength(); ++p)
        right += m_mask.pictureChar(p) == u'c' ? 1 : 0;
    const int rightShown = std::min(right, static_cast<int>(currency.size()));
    int rightSeen = 0;
    int leftSeen = 0;
    for (int p = 0; p < m_mask.displayLength(); ++p) {
        const QChar c = m_mask.pictureChar(p);
        if (c == u'c') {
            const int slot = rightSeen++ - (right - rightShown);
            out[p] = slot >= 0 ? currency.at(slot) : QChar(u' ');
        } else if (c == u'C') {
            const int slot = leftSeen++;
            out[p] = slot < currency.size() ? currency.at(slot) : QChar(u' ');
        }
    }
}

void NumericText::layFraction(QChar *out, std::string_view digits) const
{
    size_t next = 0;
    for (int p = m_mask.decimalPosition() + 1;
            p < m_mask.displayLength() && m_mask.positionClass(p) != PositionClass::Literal; ++p) {
        if (m_mask.positionClass(p) != PositionClass::Input)
            continue;
        out[p] = next < digits.size() ? QChar(QLatin1Char(digits[next++])) : QChar(u'0');
    }
}

// Walks leftwards from the point; unused positions take, in turn, the floating currency, the
// minus sign and the mask's padding.
bool NumericText::layInteger(QChar *out, std::string_view digits, bool negative) const
{
    const QString &currency = m_intl.CurrencyString();
    int pendingCurrency =
            std::min(m_mask.floatingCurrencyCount(), static_cast<int>(currency.size()));
    bool minusPending = negative;
    size_t left = digits.size();
    const int point = m_mask.decimalPosition();
    for (int p = point >= 0 ? point - 1 : m_mask.displayLength() - 1; p >= 0; --p) {
        const PositionClass kind = m_mask.positionClass(p);
        if (kind == PositionClass::Literal)
            continue;
        if (left > 0) {
            if (kind == PositionClass::Input) {
                const char c = digits[--left];
                out[p] = c == '.' ? m_intl.DecimalChar() : QChar(QLatin1Char(c));
            } else
                out[p] = m_mask.pictureChar(p) == u',' ? m_intl.ThousandChar() : QChar(u' ');
        } else if (pendingCurrency > 0) {
            out[p] = currency.at(--pendingCurrency);
        } else if (minusPending) {
            out[p] = u'-';
            minusPending = false;
        } else {
            out[p] = m_mask.padsWithZeros() ? u'0' : u' ';
        }
    }
    if (point > 0 && out[point - 1] == u' ')
        out[point - 1] = u'0';
    return left == 0 && !minusPending;
}

int NumericText::strip(QStringView display, char16_t *out) const
{
    const int limit = std::min(static_cast<int>(display.size()), m_mask.displayLength());
    int size = 0;
    for (int p = 0; p < limit; ++p) {
        if (m_mask.positionClass(p) != PositionClass::Literal || p == m_mask.decimalPosition())
            out[size++] = display[p].unicode();
    }
    const QString &currency = m_intl.CurrencyString();
    if (m_mask.hasFloatingCurrency() && !currency.isEmpty()) {
        const QStringView kept(out, size);
        const qsizetype at = kept.indexOf(currency);
        if (at >= 0) {
            std::copy(out + at + currency.size(), out + size, out + at);
            size -= static_cast<int>(currency.size());
        }
    }
    if (m_mask.hasThousands())
        size = static_cast<int>(
                std::remove(out, out + size, m_intl.ThousandChar().unicode()) - out);
    std::replace(out, out + size, m_intl.DecimalChar().unicode(), u'.');
    return size;
}

QString NumericText::stripPicture(QStringView display) const
{
    char16_t kept[MaskLayout::MaxLength];
    const int size = strip(display, kept);
    return QStringView(kept, size).toString();
}

std::optional<long double> NumericText::parse(QStringView display) const
{
    char16_t kept[MaskLayout::MaxLength];
    const int size = strip(display, kept);
    return PlainNumber::parse(QStringView(kept, size));
}

} // namespace lw::numeric
