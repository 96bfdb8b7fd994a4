#include "shell/product_page_texts.h"

#include "core/maker_addresses.h"

namespace lw::shell {

namespace {

QString productLink()
{
    return QStringLiteral("<a href=\"%1%2\">Homestake Suite</a>")
            .arg(core::maker::ProductSite, core::maker::ProductReferral);
}

// One paragraph in the page's text size, closed by a line break.
QString paragraph(const QString &body)
{
    return QStringLiteral("<p><font size=2>%1<br></font></p>").arg(body);
}

} // namespace

QString productHeadingMarkup()
{
    return paragraph(QStringLiteral("<b>%1</b>").arg(productLink()));
}

QString productBodyMarkup()
{
    return paragraph(QStringLiteral("%1 keeps the papers of buying and owning a home in one "
                                    "place, for $39.95.")
                             .arg(productLink()))
            + paragraph(QStringLiteral(
                    "Track the mortgage balance, property taxes, insurance, repairs and "
                    "improvements side by side. Compare loan offers, see how extra payments move "
                    "the payoff date, and have the receipts ready at tax time."))
            + paragraph(QStringLiteral("<i>Know where your home's money goes with %1.</i>")
                                .arg(productLink()));
}

QString productContentsMarkup()
{
    return paragraph(QStringLiteral("%1 also holds a home inventory for insurance claims, a "
                                    "maintenance calendar, a moving checklist, a refinance "
                                    "comparison and reports to print for your tax adviser.")
                             .arg(productLink()));
}

} // namespace lw::shell
