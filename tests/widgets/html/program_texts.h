#pragma once

#include <QString>

namespace lw::test {

// The markup the program shows: the Disclaimer and the three texts of the second page.
inline QString disclaimerMarkup()
{
    return QStringLiteral(
            "<P align=\"center\">Though effort was made to ensure the accuracy of these "
            "calculations, <b>there is NO WARRANTY,  express or implied, for the accuracy or "
            "applicability of this information to your particular financial question.</b>  "
            "Consult your financial advisor before making any financial decision.</P>");
}

inline QString productHeadingMarkup()
{
    return QStringLiteral("<p><font size=2><b><a href=\"https://homestake-suite.example/"
                          "?ref=LWC451\">Homestake Suite</a></b><br></font></p>");
}

inline QString productBodyMarkup()
{
    return QStringLiteral(
            "<p><font size=2>Put your household's whole financial picture in one place with "
            "<a href=\"https://homestake-suite.example/?ref=LWC451\">Homestake Suite</a>, "
            "the complete package for only $39.95.<br></font></p>"
            "<p><font size=2>Budgets, loans, savings goals and net worth sit side by side, so a "
            "change in one shows up in all the others.  Reports print the way your accountant "
            "likes them.<br></font></p>"
            "<p><font size=2><i>Stake your claim on tomorrow with <a href=\"https://"
            "homestake-suite.example/?ref=LWC451\">Homestake Suite</a>!</i><br></font></p>");
}

inline QString productContentsMarkup()
{
    return QStringLiteral(
            "<p><font size=2><a href=\"https://homestake-suite.example/?ref=LWC451\">Homestake "
            "Suite</a> also brings a loan amortization planner, a retirement estimator, a "
            "college savings calculator, a debt payoff scheduler and a printable net worth "
            "statement, all sharing the same accounts.<br></font></p>");
}

} // namespace lw::test
