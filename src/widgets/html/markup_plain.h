#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace lw::html {

/// A link as a screen reader names it.
struct PlainLink
{
    QString target;
    QString text;
};

/// The markup as a screen reader reads it: the words without tags and with the blanks the
/// renderer draws, each line's end read as one blank, and the links in order of appearance.
struct PlainMarkup
{
    QString text;
    QList<PlainLink> links;
};

PlainMarkup plainMarkup(QStringView markup);

} // namespace lw::html
