#include "platform/gui/cp1252.h"

#include <array>

namespace lw::platform {

namespace {

// 0x80..0x9F differ from Latin-1; the five undefined slots keep their code.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

} // namespace

QChar cp1252ToUnicode(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x80 && u <= 0x9F)
        return QChar(high[u - 0x80]);
    return c;
}

QString cp1252ToUnicode(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = cp1252ToUnicode(text[i]);
    return out;
}

} // namespace lw::platform
