#pragma once

#include <array>
#include <cstdint>

#include <QChar>
#include <QString>

namespace lw::numeric {

/// What a display position of a numeric field does.
enum class PositionClass : std::uint8_t {
    Literal, ///< shown as itself, never edited ('.', fixed currency 'c'/'C', any other text)
    Input, ///< takes a typed character
    Separator, ///< thousands separator ',' or floating currency '$'
};

/// A numeric field's picture mask, analysed once per mask: one class per display position and
/// the capacities that formatting, parsing and entry rely on.
class MaskLayout
{
public:
    static constexpr int MaxLength = 255;

    /// An empty mask: no positions, every capacity 0.
    MaskLayout() = default;

    /// Throws EInvalidPictureMask for a mask longer than MaxLength characters.
    /// freeDecimals is the decimals count of a mask without '.'.
    explicit MaskLayout(const QString &mask, int freeDecimals = 0);

    const QString &text() const { return m_text; }

    /// The mask less its 'p' and 'g' characters, which take no position.
    int displayLength() const { return static_cast<int>(m_picture.size()); }

    QChar pictureChar(int position) const { return m_picture.at(position); }

    PositionClass positionClass(int position) const { return m_classes[position]; }

    /// The display position of the mask's first '.', or -1 when it has none.
    int decimalPosition() const { return m_decimalPosition; }

    bool hasFloatingCurrency() const { return m_floatingCurrency > 0; }

    int floatingCurrencyCount() const { return m_floatingCurrency; }

    bool hasThousands() const { return m_hasThousands; }

    /// 'c' or 'C' in the mask: positions that show the currency string.
    bool hasFixedCurrency() const { return m_hasFixedCurrency; }

    /// 'K', 'O' or 'b' in the mask: unused integer positions show '0'.
    bool padsWithZeros() const { return m_padsWithZeros; }

    /// 'p': negative values are painted in parentheses.
    bool hasParentheses() const { return m_hasParentheses; }

    /// 'g': the minus sign is painted at a position of its own.
    bool hasSignPosition() const { return m_hasSignPosition; }

    /// Input positions right after the first '.'; MaskFreeDecimals without a '.'.
    int MaskDecimals() const { return m_maskDecimals; }

    /// Characters an entry may hold: integer positions, plus decimals and the point.
    int EntryCapacity() const { return m_entryCapacity; }

    /// Integer digits an entry may hold (the sign takes one of them).
    int IntegerCapacity() const { return m_integerCapacity; }

    int MaskFreeDecimals() const { return m_freeDecimals; }

    /// The characters that accept typed input in a numeric field's mask.
    static bool isInputChar(QChar c);

private:
    void classify();
    void analyse();

    QString m_text;
    QString m_picture;
    std::array<PositionClass, MaxLength> m_classes{};
    int m_decimalPosition = -1;
    int m_floatingCurrency = 0;
    bool m_hasThousands = false;
    bool m_hasFixedCurrency = false;
    bool m_padsWithZeros = false;
    bool m_hasParentheses = false;
    bool m_hasSignPosition = false;
    int m_maskDecimals = 0;
    int m_entryCapacity = 0;
    int m_integerCapacity = 0;
    int m_freeDecimals = 0;
};

} // namespace lw::numeric
