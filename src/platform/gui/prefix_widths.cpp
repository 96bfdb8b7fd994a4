#include "platform/gui/prefix_widths.h"

#include <algorithm>

namespace lw::platform {

namespace {

// The longest item the font engine shapes: a longer run is cut after this many characters.
constexpr qsizetype shapingItemLength = 4096;

// Characters before a step measured with it: enough for the kerning, ligatures and joining
// forms that reach across a step.
constexpr qsizetype shapingContext = 4;

enum class Direction { Neutral, LeftToRight, RightToLeft };

Direction directionOf(char32_t c)
{
    switch (QChar::direction(c)) {
    case QChar::DirL:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirLRI:
        return Direction::LeftToRight;
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirRLI:
        return Direction::RightToLeft;
    default:
        return Direction::Neutral;
    }
}

bool isMark(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing;
}

// How the engine marks a character apart: a tab is an item of its own, line separators
// stand in items of their own kind.
enum class Kind { Text, LineSeparator, Tab };

Kind kindOf(char32_t c)
{
    return c == u'\t' ? Kind::Tab : c == QChar::LineSeparator ? Kind::LineSeparator : Kind::Text;
}

// The script and direction runs as the engine resolves them: characters common to all
// scripts take the script before them (the first text's when they lead), combining marks
// that of their base, and neutral characters the direction before them.
class Runs
{
public:
    /// True when c begins a run of another script or direction.
    bool begins(char32_t c)
    {
        bool begins = false;
        const QChar::Script script = QChar::script(c);
        if (script != m_script && script > QChar::Script_Common) {
            if (m_script <= QChar::Script_Common)
                m_script = script;
            else if (!isMark(c)) {
                begins = true;
                m_script = script;
            }
        }
        const Direction direction = directionOf(c);
        if (direction != Direction::Neutral && direction != m_direction) {
            begins = begins || m_direction != Direction::Neutral;
            m_direction = direction;
        }
        return begins;
    }

private:
    QChar::Script m_script = QChar::Script_Common;
    Direction m_direction = Direction::Neutral;
};

// Where each of the engine's items ends, the last at the text's end.
std::vector<qsizetype> itemEnds(QStringView text)
{
    std::vector<qsizetype> ends;
    Runs runs;
    qsizetype start = 0;
    Kind kind = Kind::Text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // The second half of a pair belongs to the character the first half began.
        if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()) {
            if (i - start >= shapingItemLength) {
                ends.push_back(i);
                start = i;
            }
            continue;
        }
        const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c =
                pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        const bool newRun = runs.begins(c);
        const Kind newKind = kindOf(c);
        if (i > start
                && (newRun || newKind != kind || kind == Kind::Tab
                        || i - start >= shapingItemLength)) {
            ends.push_back(i);
            start = i;
        }
        kind = newKind;
    }
    ends.push_back(text.size());
    return ends;
}

} // namespace

PrefixWidths::PrefixWidths(const QFontMetricsF &metrics, QStringView text)
    : m_metrics(&metrics)
    , m_text(text)
    , m_itemEnds(itemEnds(text))
{ }

int PrefixWidths::widthTo(qsizetype index)
{
    index = std::min(index, m_text.size());
    while (m_index < index) {
        const qsizetype end = m_itemEnds[m_item];
        stepTo(std::min(index, end));
        if (m_index == end) {
            m_itemStart = end;
            ++m_item;
        }
    }
    return static_cast<int>((m_units + 32) >> 6);
}

// A tab reaches the next stop from where it starts, stops standing one tab's width apart.
void PrefixWidths::stepTo(qsizetype next)
{
    if (m_text[m_itemStart] == u'\t') {
        if (m_tabStop == 0)
            m_tabStop = std::max<qint64>(1, units(u"\t"));
        m_units = (m_units / m_tabStop + 1) * m_tabStop;
    } else {
        qsizetype from = std::max(m_itemStart, m_index - shapingContext);
        if (from > m_itemStart && m_text[from].isLowSurrogate())
            --from;
        m_units += units(m_text.mid(from, next - from)) - units(m_text.mid(from, m_index - from));
    }
    m_index = next;
}

qint64 PrefixWidths::units(QStringView text) const
{
    return text.isEmpty() ? 0 : qRound64(m_metrics->horizontalAdvance(text.toString()) * 64);
}

} // namespace lw::platform
