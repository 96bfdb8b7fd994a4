#include "platform/profile_file.h"

#include <utility>

#include <QStringDecoder>

namespace lw::platform {

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray Utf16LeBom = QByteArrayLiteral("\xFF\xFE");
const QByteArray Utf16BeBom = QByteArrayLiteral("\xFE\xFF");

// A file written in UTF-16 is edited as UTF-8; a trailing odd byte or an unpaired surrogate, which
// no tool writes, cannot be kept.
QByteArray utf8FromUtf16(const QByteArray &bytes, qsizetype from, bool bigEndian)
{
    QString text;
    text.reserve((bytes.size() - from) / 2);
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2) {
        const auto first = uchar(bytes.at(i));
        const auto second = uchar(bytes.at(i + 1));
        text.append(
                QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first)));
    }
    return text.toUtf8();
}

QByteArray utf16FromUtf8(const QByteArray &utf8, bool bigEndian)
{
    // QString::fromUtf8 would drop a U+FEFF that starts the text.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder(utf8);
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        const auto high = char(c.unicode() >> 8);
        const auto low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}

// Where the text of the line starting at `from` ends, and the line end after it: "\n", "\r\n",
// "\r\r\n" (CR/LF written through a text-mode layer) or a lone "\r"; empty at the end of the data.
std::pair<qsizetype, QByteArray> lineEnd(const QByteArray &bytes, qsizetype from)
{
    qsizetype at = from;
    while (at < bytes.size() && bytes.at(at) != '\n' && bytes.at(at) != '\r')
        ++at;
    for (const char *end : { "\n", "\r\n", "\r\r\n" }) {
        if (QByteArrayView(bytes).sliced(at).startsWith(end))
            return { at, QByteArray(end) };
    }
    return { at, at < bytes.size() ? QByteArrayLiteral("\r") : QByteArray() };
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

qsizetype skipBlanks(const QByteArray &text, qsizetype from)
{
    while (from < text.size() && isBlank(text.at(from)))
        ++from;
    return from;
}

QByteArray trimmed(const QByteArray &text, qsizetype from, qsizetype to)
{
    from = skipBlanks(text, from);
    while (to > from && isBlank(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a.at(i)) != foldAscii(b.at(i)))
            return false;
    }
    return true;
}

bool hasLineBreak(const QByteArray &text)
{
    return text.contains('\n') || text.contains('\r');
}

bool isPlainName(const QByteArray &name)
{
    return !name.isEmpty() && !hasLineBreak(name) && !isBlank(name.front())
            && !isBlank(name.back());
}

bool isWritableSection(const QByteArray &name)
{
    return isPlainName(name) && !name.contains(']');
}

bool isWritableKey(const QByteArray &name)
{
    return isPlainName(name) && !name.contains('=') && name.front() != ';' && name.front() != '[';
}

// Double or single quotes, as other tools write them.
bool isQuoted(const QByteArray &text)
{
    return text.size() >= 2 && (text.front() == '"' || text.front() == '\'')
            && text.back() == text.front();
}

// Reading trims blanks and one pair of quotes, so a value that has either is quoted to survive.
QByteArray storedValue(const QByteArray &value)
{
    const bool padded = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    if (padded || isQuoted(value))
        return '"' + value + '"';
    return value;
}

} // namespace

ProfileFile::ProfileFile(const QByteArray &bytes)
{
    if (bytes.startsWith(Utf16LeBom) || bytes.startsWith(Utf16BeBom)) {
        m_encoding = bytes.startsWith(Utf16LeBom) ? Encoding::Utf16Le : Encoding::Utf16Be;
        parseLines(utf8FromUtf16(bytes, 2, m_encoding == Encoding::Utf16Be));
    } else if (bytes.startsWith(Utf8Bom)) {
        m_encoding = Encoding::Utf8WithBom;
        parseLines(bytes.sliced(Utf8Bom.size()));
    } else {
        parseLines(bytes);
    }
}

void ProfileFile::parseLines(const QByteArray &text)
{
    bool newlineSeen = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        auto [textEnd, end] = lineEnd(text, pos);
        const qsizetype next = textEnd + end.size();
        Line line = parseLine(text.mid(pos, textEnd - pos), std::move(end));
        if (!newlineSeen && !line.end.isEmpty()) {
            m_newline = line.end;
            newlineSeen = true;
        }
        m_lines.push_back(std::move(line));
        pos = next;
    }
}

ProfileFile::Line ProfileFile::parseLine(QByteArray text, QByteArray end)
{
    Line line;
    line.text = std::move(text);
    line.end = std::move(end);
    const qsizetype start = skipBlanks(line.text, 0);
    if (start == line.text.size() || line.text.at(start) == ';')
        return line;
    if (line.text.at(start) == '[') {
        const qsizetype close = line.text.indexOf(']', start);
        if (close > start) {
            line.kind = LineKind::Section;
            line.name = trimmed(line.text, start + 1, close);
            return line;
        }
    }
    // A "[name" without its bracket is no header: read as a key line if it has '='.
    const qsizetype equals = line.text.indexOf('=', start);
    if (equals >= 0) {
        line.kind = LineKind::Key;
        line.name = trimmed(line.text, start, equals);
        line.valueStart = equals + 1;
    }
    return line;
}

qsizetype ProfileFile::findSection(const QByteArray &name) const
{
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        const Line &line = m_lines[size_t(i)];
        if (line.kind == LineKind::Section && sameName(line.name, name))
            return i;
    }
    return -1;
}

qsizetype ProfileFile::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < qsizetype(m_lines.size()) && m_lines[size_t(i)].kind != LineKind::Section)
        ++i;
    return i;
}

qsizetype ProfileFile::findKey(qsizetype header, const QByteArray &name) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const Line &line = m_lines[size_t(i)];
        if (line.kind == LineKind::Key && sameName(line.name, name))
            return i;
    }
    return -1;
}

bool ProfileFile::hasKey(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section.toUtf8());
    return header >= 0 && findKey(header, key.toUtf8()) >= 0;
}

QString ProfileFile::readString(
        const QString &section, const QString &key, const QString &defaultValue) const
{
    const qsizetype header = findSection(section.toUtf8());
    if (header < 0)
        return defaultValue;
    const qsizetype index = findKey(header, key.toUtf8());
    if (index < 0)
        return defaultValue;
    const Line &line = m_lines[size_t(index)];
    QByteArray value = trimmed(line.text, line.valueStart, line.text.size());
    if (isQuoted(value))
        value = value.mid(1, value.size() - 2);
    return QString::fromUtf8(value);
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray sectionName = section.toUtf8();
    const QByteArray keyName = key.toUtf8();
    const QByteArray text = value.toUtf8();
    if (!isWritableSection(sectionName) || !isWritableKey(keyName) || hasLineBreak(text))
        return false;
    const QByteArray entry = keyName + '=' + storedValue(text);
    const qsizetype header = findSection(sectionName);
    if (header < 0) {
        insertLine(qsizetype(m_lines.size()), '[' + sectionName + ']');
        insertLine(qsizetype(m_lines.size()), entry);
        return true;
    }
    const qsizetype index = findKey(header, keyName);
    if (index >= 0) {
        setValue(m_lines[size_t(index)], storedValue(text));
        return true;
    }
    // After the last key line, so that comments and blank lines that close the section
    // stay where they are.
    qsizetype last = header;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines[size_t(i)].kind == LineKind::Key)
            last = i;
    }
    insertLine(last + 1, entry);
    return true;
}

void ProfileFile::setValue(Line &line, const QByteArray &value)
{
    // Keeps the key as it is spelled and any blanks after '='.
    line.text.truncate(skipBlanks(line.text, line.valueStart));
    line.text.append(value);
}

QByteArray ProfileFile::endBefore(qsizetype index) const
{
    // A lone CR followed by a blank line's LF would read back as one CR/LF, and the blank line
    // would be gone; that line's own end cannot join with it.
    if (index >= qsizetype(m_lines.size()))
        return m_newline;
    const Line &next = m_lines[size_t(index)];
    return lineEnd(m_newline + next.text + next.end, 0).second == m_newline ? m_newline : next.end;
}

void ProfileFile::insertLine(qsizetype index, const QByteArray &text)
{
    if (index > 0 && m_lines[size_t(index - 1)].end.isEmpty())
        m_lines[size_t(index - 1)].end = m_newline;
    m_lines.insert(m_lines.begin() + index, parseLine(text, endBefore(index)));
}

QByteArray ProfileFile::toBytes() const
{
    QByteArray text;
    for (const Line &line : m_lines)
        text += line.text + line.end;
    switch (m_encoding) {
    case Encoding::Utf8:
        return text;
    case Encoding::Utf8WithBom:
        return Utf8Bom + text;
    case Encoding::Utf16Le:
        return Utf16LeBom + utf16FromUtf8(text, false);
    case Encoding::Utf16Be:
        return Utf16BeBom + utf16FromUtf8(text, true);
    }
    return text;
}

} // namespace lw::platform
