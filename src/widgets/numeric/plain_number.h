#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QStringView>

namespace lw::numeric {

/// Reads a number written with '.' as its decimal point, as a field's text holds it once the
/// picture is stripped. Independent of the process's C locale.
class PlainNumber
{
public:
    /// Longest text read; a field's text has at most 255 characters.
    static constexpr int MaxLength = 1024;

    /// A small ASCII text that the normalisation edits in place without allocating.
    class Text
    {
    public:
        /// Characters outside ASCII become '?', which no number contains.
        /// False when the text is longer than MaxLength.
        bool assign(QStringView text);
        bool assign(std::string_view text);

        std::string_view view() const { return { m_data.data(), static_cast<size_t>(m_size) }; }

        int size() const { return m_size; }

        char at(int i) const { return m_data[static_cast<size_t>(i)]; }

        void insert(int at, char c);
        void erase(int at);
        void trimBlanks();
        int indexOf(char c) const;

    private:
        std::array<char, MaxLength + 8> m_data{};
        int m_size = 0;
    };

    /// Tidies a field's text the way entry leaves it: blanks trimmed, an empty text is "0",
    /// a trailing point dropped, "0" added to a bare point, a point before an exponent.
    static void normalise(Text &text);

    /// Converts a normalised text: an optional sign, digits with at most one '.', an optional
    /// exponent. nullopt for anything else ("nan", "inf", hex) and for magnitudes beyond the
    /// extended range; magnitudes below it read as 0.
    static std::optional<long double> convert(std::string_view text);

    /// normalise() then convert().
    static std::optional<long double> parse(QStringView text);
};

} // namespace lw::numeric
