#include "core/app_texts.h"

#include "core/maker_addresses.h"

namespace lw::core {

QString applicationTitle()
{
    return QStringLiteral("Loanwright, 4.5.1");
}

QString informationCaption()
{
    return QStringLiteral("Information");
}

QString mathErrorMessage()
{
    return QStringLiteral("Valid results cannot be calculated using\n\r"
                          "the variables you have entered.\n\r\n\r"
                          "Please try again with reasonable values.");
}

QString unidentifiedErrorMessage()
{
    return u"An unidentified error has occurred.\r\n\r\n"
           u"If you wish contact Brannock Software    \r\n\r\n"
           u"at:  "
            + maker::SupportMail.toString();
}

QString hintLongPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString asSentence(const QString &text)
{
    return text.endsWith(u'.') ? text : text + u'.';
}

} // namespace lw::core
