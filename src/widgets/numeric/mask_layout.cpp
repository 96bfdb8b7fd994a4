#include "widgets/numeric/mask_layout.h"

#include <algorithm>

#include "widgets/numeric/entry_errors.h"

namespace lw::numeric {

bool MaskLayout::isInputChar(QChar c)
{
    static constexpr char16_t inputChars[] = u"!#123456789ABDEHKLMNOSXYabdhilmnstxy";
    return c.unicode() != 0
            && std::char_traits<char16_t>::find(inputChars, std::size(inputChars) - 1, c.unicode())
            != nullptr;
}

MaskLayout::MaskLayout(const QString &mask, int freeDecimals)
    : m_text(mask)
    , m_freeDecimals(std::max(freeDecimals, 0))
{
    if (mask.size() > MaxLength)
        throw EInvalidPictureMask();
    classify();
    analyse();
}

void MaskLayout::classify()
{
    m_picture.reserve(m_text.size());
    for (const QChar c : std::as_const(m_text)) {
        if (c == u'p') {
            m_hasParentheses = true;
            continue;
        }
        if (c == u'g') {
            m_hasSignPosition = true;
            continue;
        }
        const int position = static_cast<int>(m_picture.size());
        m_picture.append(c);
        if (c == u',' || c == u'$') {
            m_classes[position] = PositionClass::Separator;
            m_hasThousands = m_hasThousands || c == u',';
            m_floatingCurrency += c == u'$' ? 1 : 0;
        } else if (isInputChar(c)) {
            m_classes[position] = PositionClass::Input;
            m_padsWithZeros = m_padsWithZeros || c == u'K' || c == u'O' || c == u'b';
        } else {
            m_classes[position] = PositionClass::Literal;
            m_hasFixedCurrency = m_hasFixedCurrency || c == u'c' || c == u'C';
            if (c == u'.' && m_decimalPosition < 0)
                m_decimalPosition = position;
        }
    }
}

void MaskLayout::analyse()
{
    const int length = displayLength();
    if (m_decimalPosition >= 0) {
        m_maskDecimals = 0;
        for (int p = m_decimalPosition + 1; p < length && m_classes[p] == PositionClass::Input; ++p)
            ++m_maskDecimals;
    } else {
        m_maskDecimals = m_freeDecimals;
    }

    // Integer positions: the run of input and ',' positions after the leading text.
    int p = 0;
    while (p < length && m_classes[p] != PositionClass::Input)
        ++p;
    int integerPositions = 0;
    for (; p < length; ++p) {
        if (m_classes[p] == PositionClass::Input)
            ++integerPositions;
        else if (m_picture.at(p) != u',')
            break;
    }

    m_entryCapacity = integerPositions;
    if (m_decimalPosition >= 0 && m_maskDecimals > 0)
        m_entryCapacity += m_maskDecimals + 1;
    m_integerCapacity = m_maskDecimals > 0 ? m_entryCapacity - m_maskDecimals - 1 : m_entryCapacity;
    // A mask without '.' but with free decimals would otherwise claim a negative capacity.
    m_integerCapacity = std::max(m_integerCapacity, 0);
}

} // namespace lw::numeric
