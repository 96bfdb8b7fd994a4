#pragma once

#include <vector>

#include <QFontMetricsF>
#include <QStringView>

namespace lw::platform {

/// Widths of ever longer prefixes of a text, each equal to measuring that prefix on its own,
/// in one pass over the text whatever it holds: a step measures only the new characters, with
/// a few before them so that kerning, ligatures and joining forms across the step count.
/// The font engine shapes a text in items and kerns nothing across them, so a step never
/// reaches back past the start of its item. Sums stay in the engine's 1/64 pixels and are
/// rounded once, as a whole measurement rounds.
class PrefixWidths
{
public:
    /// metrics and text must outlive the object.
    PrefixWidths(const QFontMetricsF &metrics, QStringView text);

    /// The width of the first `index` characters in pixels; `index` never decreases from
    /// one call to the next.
    int widthTo(qsizetype index);

private:
    qint64 units(QStringView text) const;
    void stepTo(qsizetype next);

    const QFontMetricsF *m_metrics;
    QStringView m_text;
    std::vector<qsizetype> m_itemEnds;
    std::size_t m_item = 0;
    qsizetype m_itemStart = 0;
    qsizetype m_index = 0;
    qint64 m_units = 0;
    qint64 m_tabStop = 0;
};

} // namespace lw::platform
