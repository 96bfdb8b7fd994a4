// The numeric text parser and the mask display: any text parses or is refused without harm,
// and a display the formatter makes reads back as a value that formats to the same display.
#include <cstdlib>
#include <iterator>

#include <QString>

#include "fuzz_input.h"
#include "widgets/numeric/mask_layout.h"
#include "widgets/numeric/numeric_text.h"
#include "widgets/numeric/ovcintl.h"
#include "widgets/numeric/plain_number.h"

namespace {

using namespace lw::numeric;

const QString Masks[] = { QStringLiteral("###,###,###.##"), QStringLiteral("###.####"),
    QStringLiteral("##"), QStringLiteral("cc###.##"), QStringLiteral("$###,###.##p"),
    QStringLiteral("g###.##"), QStringLiteral("iiiii"), QStringLiteral("##-##"),
    QStringLiteral("#,###,###,###,###,###.######") };

TOvcIntlSup locale(lw::fuzz::FuzzInput &input)
{
    lw::platform::LocaleInfo info;
    if (input.pick(2) == 1) {
        info.decimalSeparator = QStringLiteral(",");
        info.thousandSeparator = input.pick(2) ? QStringLiteral(".") : QStringLiteral("\u202f");
        info.currencySymbol = QStringLiteral("\u20ac");
    }
    return TOvcIntlSup(info);
}

void checkRoundTrip(const NumericText &text, long double value, bool whole)
{
    QString display;
    if (!text.format(value, whole, display))
        return; // too large for the mask, or not finite: the overflow mark shows
    const std::optional<long double> back = text.parse(display);
    if (!back)
        std::abort(); // a display the program made must read back
    QString again;
    if (!text.format(*back, whole, again) || again != display)
        std::abort(); // and show the same again
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    lw::fuzz::FuzzInput input(data, size);
    const QString &maskText = Masks[input.pick(std::size(Masks))];
    const MaskLayout mask(maskText);
    const TOvcIntlSup intl = locale(input);
    const NumericText text(mask, intl);
    const bool whole = input.pick(2) == 1;
    checkRoundTrip(text, input.raw<double>(), whole);
    const QString typed = QString::fromUtf8(input.rest());
    if (const std::optional<long double> value = text.parse(typed))
        checkRoundTrip(text, *value, whole);
    PlainNumber::parse(typed);
    return 0;
}
