#pragma once

#include <QString>
#include <QStringView>

namespace lw::html {

/// Characters that trimming removes: everything up to and including the space.
inline bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

/// Whole-text preparation before layout: the named entities (repeated until none is left),
/// the "<#" escape, carriage returns as "<BR>" and line feeds dropped. Linear in the length.
QString prepareMarkup(QStringView text);

/// The entities resolved inside one run: "&nbsp;", "&lt;", "&gt;", lower case only.
QString replaceRunEntities(QStringView run);

} // namespace lw::html
