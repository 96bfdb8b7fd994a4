#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace lw::platform {

/// Text as shown after prefix processing, with the positions of the underlined characters.
struct PrefixedText
{
    QString text;
    QList<qsizetype> underlined;
};

/// Applies the prefix rule: "&" is not shown and underlines the character after it, "&&" shows
/// one "&". A lone "&" at the end shows nothing.
PrefixedText applyPrefix(QStringView text);

} // namespace lw::platform
