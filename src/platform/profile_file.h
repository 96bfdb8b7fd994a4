#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

namespace lw::platform {

/// A settings file of "[section]" and "key=value" lines, read and edited by the classic
/// profile rules while every byte that an edit does not have to change is kept.
/// Text is UTF-8, or UTF-16 in either byte order after its byte-order mark, and is written
/// back the same way; lines end in LF, CR/LF, CR or CR/CR/LF. Names compare with ASCII case
/// folding only ("Term" = "TERM", "É" != "é").
class ProfileFile
{
public:
    /// An empty file.
    ProfileFile() = default;

    /// Takes the file's bytes as they are on disk; any bytes are accepted.
    explicit ProfileFile(const QByteArray &bytes);

    /// The value of the first matching key in the first matching section, without the blanks
    /// and tabs around it and one pair of surrounding double or single quotes; the default when the
    /// section or the key is missing. Names compare as given (a stored name is trimmed).
    QString readString(
            const QString &section, const QString &key, const QString &defaultValue) const;

    /// True when the section holds the key, with any value; names compare as for readString.
    bool hasKey(const QString &section, const QString &key) const;

    /// Sets the value of the first matching key in the first matching section in place; a
    /// missing key is added after the section's last key line, a missing section at the end.
    /// Refuses, changing nothing, a name or value that would not read back as written
    /// (empty or blank-padded names, line breaks, '=' or a leading ';' or '[' in a key,
    /// ']' in a section name).
    [[nodiscard]] bool writeString(
            const QString &section, const QString &key, const QString &value);

    /// The whole file in its encoding, byte-order mark and original line ends included.
    QByteArray toBytes() const;

private:
    enum class LineKind { Other, Section, Key };
    enum class Encoding { Utf8, Utf8WithBom, Utf16Le, Utf16Be };

    struct Line
    {
        QByteArray text; // without the line end
        QByteArray end; // the line end as found, empty for a last line without one
        LineKind kind = LineKind::Other;
        QByteArray name; // trimmed section or key name
        qsizetype valueStart = 0; // keys: the offset just after '='
    };

    void parseLines(const QByteArray &text);
    static Line parseLine(QByteArray text, QByteArray end);
    qsizetype findSection(const QByteArray &name) const;
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype findKey(qsizetype header, const QByteArray &name) const;
    void setValue(Line &line, const QByteArray &value);
    QByteArray endBefore(qsizetype index) const;
    void insertLine(qsizetype index, const QByteArray &text);

    Encoding m_encoding = Encoding::Utf8;
    QByteArray m_newline = QByteArrayLiteral("\n"); // for added lines: the file's first line end
    std::vector<Line> m_lines;
};

} // namespace lw::platform
