#include "widgets/html/markup_plain.h"

#include "widgets/html/markup_tags.h"
#include "widgets/html/markup_text.h"

namespace lw::html {

namespace {

class PlainReader
{
public:
    void addRun(QStringView run)
    {
        const QString words = replaceRunEntities(run);
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
            addRun(u" ");
            break;
        default:
            break;
        }
    }

    PlainMarkup finish()
    {
        m_result.text = m_result.text.simplified();
        for (PlainLink &link : m_result.links)
            link.text = link.text.simplified();
        return std::move(m_result);
    }

private:
    PlainMarkup m_result;
    bool m_inLink = false;
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
