#include "platform/profile_file.h"

namespace lw::platform {

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

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

bool isQuoted(const QByteArray &text)
{
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
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
    qsizetype pos = 0;
    if (bytes.startsWith(Utf8Bom)) {
        m_bom = Utf8Bom;
        pos = Utf8Bom.size();
    }
    bool newlineSeen = false;
    while (pos < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', pos);
        const qsizetype stop = lf < 0 ? bytes.size() : lf;
        const qsizetype textEnd = (lf > pos && bytes.at(lf - 1) == '\r') ? lf - 1 : stop;
        Line line = parseLine(bytes.mid(pos, textEnd - pos),
                lf < 0 ? QByteArray() : bytes.mid(textEnd, lf + 1 - textEnd));
        if (!newlineSeen && !line.end.isEmpty()) {
            m_newline = line.end;
            newlineSeen = true;
        }
        m_lines.push_back(std::move(line));
        pos = stop + 1;
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

void ProfileFile::insertLine(qsizetype index, const QByteArray &text)
{
    if (index > 0 && m_lines[size_t(index - 1)].end.isEmpty())
        m_lines[size_t(index - 1)].end = m_newline;
    m_lines.insert(m_lines.begin() + index, parseLine(text, m_newline));
}

QByteArray ProfileFile::toBytes() const
{
    QByteArray bytes = m_bom;
    for (const Line &line : m_lines)
        bytes += line.text + line.end;
    return bytes;
}

} // namespace lw::platform
