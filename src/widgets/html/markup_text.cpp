#include "widgets/html/markup_text.h"

#include <array>

namespace lw::html {

namespace {

struct Entity
{
    QStringView name;
    QStringView replacement;
};

// Code-page-1252 characters, one per QChar; the surface maps them to Unicode.
const std::array<Entity, 9> textEntities = { {
        { u"&amp;", u"&&" },
        { u"&quot;", u"\"" },
        { u"&sect;", u"\u00A7" },
        { u"&permil;", u"\u0089" },
        { u"&reg;", u"\u00AE" },
        { u"&copy;", u"\u00A9" },
        { u"&para;", u"\u00B6" },
        { u"&trade;", u"\u0099" },
        { u"&euro;", u"\u0080" },
} };

// Every entity ends in ';', and only "&amp;" creates a new '&' (at the end of what is written),
// so matching the tail of the output each time a ';' is written reaches the same result as
// replacing over and over until nothing changes, in one pass.
void appendResolvingEntities(QString &out, QChar c)
{
    out.append(c);
    if (c != u';')
        return;
    for (const Entity &e : textEntities) {
        if (out.size() >= e.name.size()
                && QStringView(out).right(e.name.size()).compare(e.name, Qt::CaseInsensitive)
                        == 0) {
            out.chop(e.name.size());
            out.append(e.replacement);
            return;
        }
    }
}

QString resolveTextEntities(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        appendResolvingEntities(out, c);
    return out;
}

} // namespace

QString prepareMarkup(QStringView text)
{
    QString resolved = text.contains(u'&') ? resolveTextEntities(text) : text.toString();
    const qsizetype escape = resolved.indexOf(u"<#");
    if (escape >= 0) {
        const qsizetype close = resolved.indexOf(u'>', escape + 2);
        if (close >= 0)
            resolved.remove(close, 1);
        resolved.remove(escape, 1);
    }
    if (!resolved.contains(u'\r') && !resolved.contains(u'\n'))
        return resolved;
    QString out;
    out.reserve(resolved.size() + resolved.size() / 8);
    for (QChar c : std::as_const(resolved)) {
        if (c == u'\r')
            out.append(u"<BR>");
        else if (c != u'\n')
            out.append(c);
    }
    return out;
}

QString replaceRunEntities(QStringView run)
{
    QString out;
    out.reserve(run.size());
    for (qsizetype i = 0; i < run.size(); ++i) {
        const QStringView rest = run.mid(i);
        if (rest.startsWith(u"&nbsp;")) {
            out.append(u' ');
            i += 5;
        } else if (rest.startsWith(u"&lt;")) {
            out.append(u'<');
            i += 3;
        } else if (rest.startsWith(u"&gt;")) {
            out.append(u'>');
            i += 3;
        } else {
            out.append(run[i]);
        }
    }
    return out;
}

} // namespace lw::html
