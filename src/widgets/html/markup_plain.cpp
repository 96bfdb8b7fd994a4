#include "widgets/html/markup_plain.h"

#include "widgets/html/markup_tags.h"
#include "widgets/html/markup_text.h"

namespace lw::html {

namespace {

// The renderer drops the white space at the ends of each line, all characters up to the
// blank, and draws every other blank.
bool isLineEndBlank(QChar c)
{
    return c.unicode() <= u' ';
}

void chopLineEnd(QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && isLineEndBlank(text.at(end - 1)))
        --end;
    text.truncate(end);
}

QStringView withoutLineStart(QStringView run)
{
    qsizetype start = 0;
    while (start < run.size() && isLineEndBlank(run.at(start)))
        ++start;
    return run.sliced(start);
}

class PlainReader
{
public:
    void addRun(QStringView run)
    {
        const QString replaced = replaceRunEntities(run);
        const QStringView words = m_lineStart ? withoutLineStart(replaced) : QStringView(replaced);
        if (words.isEmpty())
            return;
        m_lineStart = false;
        m_result.text += words;
        if (m_inLink)
            m_result.links.last().text += words;
    }

    void addTag(QStringView tag)
    {
        switch (classifyTag(tag)) {
        case TagKind::Anchor:
            m_result.links.append({ TagText(tag).quotedFrom(0).toString(), {} });
            m_inLink = true;
            break;
        case TagKind::AnchorEnd:
            m_inLink = false;
            break;
        case TagKind::Break:
        case TagKind::Paragraph:
        case TagKind::ListItem:
            endLine();
            break;
        default:
            break;
        }
    }

    PlainMarkup finish()
    {
        chopLineEnd(m_result.text);
        for (PlainLink &link : m_result.links)
            chopLineEnd(link.text);
        return std::move(m_result);
    }

private:
    // A line's end reads as one blank between its words and the next line's.
    void endLine()
    {
        chopLineEnd(m_result.text);
        if (!m_result.text.isEmpty())
            m_result.text += u' ';
        if (m_inLink) {
            QString &link = m_result.links.last().text;
            chopLineEnd(link);
            if (!link.isEmpty())
                link += u' ';
        }
        m_lineStart = true;
    }

    PlainMarkup m_result;
    bool m_inLink = false;
    bool m_lineStart = true;
};

} // namespace

PlainMarkup plainMarkup(QStringView markup)
{
    const QString prepared = prepareMarkup(markup);
    const QStringView text(prepared);
    PlainReader reader;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(u'<', at);
        const qsizetype runEnd = open < 0 ? text.size() : open;
        reader.addRun(text.sliced(at, runEnd - at));
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u'>', open);
        const qsizetype tagEnd = close < 0 ? text.size() : close + 1;
        reader.addTag(text.sliced(open, tagEnd - open));
        at = tagEnd;
    }
    return reader.finish();
}

} // namespace lw::html
