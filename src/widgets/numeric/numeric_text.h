#pragma once

#include <optional>
#include <string_view>

#include <QString>
#include <QStringView>

namespace lw::numeric {

class MaskLayout;
class TOvcIntlSup;

/// The two conversions of a numeric field: a value laid over its picture mask as display text,
/// and display text read back as a value. Holds references only; make one where needed.
class NumericText
{
public:
    NumericText(const MaskLayout &mask, const TOvcIntlSup &intl);
    // The text keeps references: temporaries would dangle.
    NumericText(const MaskLayout &, TOvcIntlSup &&) = delete;
    NumericText(MaskLayout &&, const TOvcIntlSup &) = delete;

    /// Lays a plain number ("-1234.5"; '.' as the point, blanks around it allowed) over the
    /// mask: digits right-aligned against the mask's point, separators only where digits stand
    /// to their left, fraction cut or padded with '0'. False when the integer digits or the
    /// sign did not fit; the text is then incomplete and must not be shown.
    bool merge(std::string_view number, QString &display) const;

    /// Writes value with the mask's decimals (whole: none), rounded to nearest, and merges it.
    /// A value that does not fit, or is not finite, shows the overflow mark; returns false then.
    bool format(long double value, bool whole, QString &display) const;

    /// Every input position '*' and the separators in place: a text that reads back as no
    /// number, so a value too large for the mask never shows as another number.
    void overflowMark(QString &display) const;

    /// The characters at input, separator and point positions, without the currency string and
    /// thousands separators, the decimal separator as '.'.
    QString stripPicture(QStringView display) const;

    /// stripPicture(), then normalise and convert; nullopt when the text is not a number.
    std::optional<long double> parse(QStringView display) const;

private:
    int strip(QStringView display, char16_t *out) const;
    void layLiterals(QChar *out) const;
    void layFixedCurrency(QChar *out) const;
    void layFraction(QChar *out, std::string_view digits) const;
    bool layInteger(QChar *out, std::string_view digits, bool negative) const;

    const MaskLayout &m_mask;
    const TOvcIntlSup &m_intl;
};

} // namespace lw::numeric
