#include "platform/local_path.h"

#include <gtest/gtest.h>

using lw::platform::localPath;
using lw::platform::localPathBytes;

namespace {

struct PathCase
{
    const char *name;
    QByteArray bytes;
    QString decoded; // empty: only the round trip is checked
};

void PrintTo(const PathCase &row, std::ostream *os)
{
    *os << row.name;
}

class LocalPath : public testing::TestWithParam<PathCase>
{
};

QString escaped(std::initializer_list<char16_t> units)
{
    QString text;
    for (const char16_t unit : units)
        text.append(QChar(unit));
    return text;
}

} // namespace

TEST_P(LocalPath, GivesBackTheBytesItDecoded)
{
    const PathCase &c = GetParam();
    const QString path = localPath(c.bytes);
    if (!c.decoded.isEmpty()) {
        EXPECT_EQ(path, c.decoded);
    }
    EXPECT_EQ(localPathBytes(path), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Names, LocalPath,
        testing::Values(PathCase{ "Ascii", QByteArray("/home/u/.config"),
                                QStringLiteral("/home/u/.config") },
                PathCase{ "ValidUtf8", QByteArray("/h/\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),
                        QString::fromUtf8("/h/\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80") },
                PathCase{ "Latin1Byte", QByteArray("/h/\xE9t\xE9"),
                        escaped({ u'/', u'h', u'/', 0xDCE9, u't', 0xDCE9 }) },
                PathCase{ "Overlong", QByteArray("\xC0\xAF"), escaped({ 0xDCC0, 0xDCAF }) },
                PathCase{ "EncodedSurrogate", QByteArray("\xED\xA0\x80"),
                        escaped({ 0xDCED, 0xDCA0, 0xDC80 }) },
                PathCase{
                        "CutSequence", QByteArray("a\xE2\x82"), escaped({ u'a', 0xDCE2, 0xDC82 }) },
                PathCase{ "BeyondUnicode", QByteArray("\xF4\x90\x80\x80\xF5"), QString() },
                PathCase{ "EscapeLookalikeInUtf8", QByteArray("\xED\xB3\xBF"), QString() },
                PathCase{ "ZeroWidthNoBreakSpace",
                        QByteArray("\xEF\xBB\xBF"
                                   "a\xEF\xBB\xBF"),
                        escaped({ 0xFEFF, u'a', 0xFEFF }) }),
        [](const testing::TestParamInfo<PathCase> &row) {
            return std::string(row.param.name);
        });

TEST(LocalPathBytes, PlainTextIsUtf8)
{
    EXPECT_EQ(localPathBytes(QString::fromUtf8("\xC3\xA9")), QByteArray("\xC3\xA9"));
}
