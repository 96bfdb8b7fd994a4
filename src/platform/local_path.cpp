#include "platform/local_path.h"

namespace lw::platform {

namespace {

constexpr char16_t EscapeBase = 0xDC00; // + the byte, which is 0x80 or above

qsizetype sequenceLength(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if (lead < 0xC2) // a continuation byte, or the lead of an overlong form
        return 0;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return lead < 0xF5 ? 4 : 0;
}

// The length of the valid UTF-8 sequence that starts at `at`, 0 when none starts there, and
// the code point it encodes.
qsizetype validSequence(const QByteArray &bytes, qsizetype at, char32_t &code)
{
    const auto lead = uchar(bytes.at(at));
    const qsizetype length = sequenceLength(lead);
    if (at + length > bytes.size())
        return 0;
    code = lead;
    if (length <= 1)
        return length;
    code = lead & (0x7F >> length);
    for (qsizetype i = 1; i < length; ++i) {
        const auto next = uchar(bytes.at(at + i));
        if ((next & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    constexpr char32_t Smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < Smallest[length] || code > 0x10FFFF || surrogate ? 0 : length;
}

bool isEscape(char16_t unit)
{
    return unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF;
}

} // namespace

QString localPath(const QByteArray &bytes)
{
    QString path;
    qsizetype at = 0;
    while (at < bytes.size()) {
        char32_t code = 0;
        const qsizetype length = validSequence(bytes, at, code);
        if (length == 0) {
            path.append(QChar(char16_t(EscapeBase + uchar(bytes.at(at)))));
            ++at;
            continue;
        }
        // Appended as code points: QString::fromUtf8 would drop a U+FEFF of its own.
        if (QChar::requiresSurrogates(code))
            path.append(QChar(QChar::highSurrogate(code))).append(QChar(QChar::lowSurrogate(code)));
        else
            path.append(QChar(char16_t(code)));
        at += length;
    }
    return path;
}

QByteArray localPathBytes(const QString &path)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        // A low surrogate right after a high one is half of a pair, not an escaped byte.
        const bool paired = i > 0 && path.at(i - 1).isHighSurrogate();
        if (!isEscape(unit) || paired)
            continue;
        bytes += QStringView(path).sliced(runStart, i - runStart).toUtf8();
        bytes += char(unit - EscapeBase);
        runStart = i + 1;
    }
    return bytes + QStringView(path).sliced(runStart).toUtf8();
}

} // namespace lw::platform
