#include "platform/profile_file.h"

#include <gtest/gtest.h>

using lw::platform::ProfileFile;
using namespace Qt::StringLiterals;

namespace {

const QString Missing = QStringLiteral("<default>");

struct ReadCase
{
    const char *name;
    QByteArray file;
    QString section;
    QString key;
    QString expected;
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.name;
}

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

QByteArray bytes(const char *text)
{
    return QByteArray(text);
}

} // namespace

class ProfileRead : public testing::TestWithParam<ReadCase>
{
};

TEST_P(ProfileRead, FindsTheValueOrGivesTheDefault)
{
    const ReadCase &c = GetParam();
    EXPECT_EQ(ProfileFile(c.file).readString(c.section, c.key, Missing), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileRead,
        testing::Values(ReadCase{ "NamesIgnoreCase", bytes("[lastvalues]\nDOWNPAYMENT=5\n"),
                                u"LastValues"_s, u"DownPayment"_s, u"5"_s },
                ReadCase{ "FirstSectionWins", bytes("[A]\nx=1\n[a]\nk=2\n"), u"A"_s, u"k"_s,
                        Missing },
                ReadCase{ "FirstKeyWins", bytes("[A]\nk=1\nK=2\n"), u"A"_s, u"k"_s, u"1"_s },
                ReadCase{
                        "CommentIsNoKey", bytes("[A]\n;k=1\n  ; k=2\n"), u"A"_s, u"k"_s, Missing },
                ReadCase{ "BlanksAndTabsTrimmed", bytes(" [ A ] \n \tk \t=  v w\t \n"), u"A"_s,
                        u"k"_s, u"v w"_s },
                ReadCase{ "OnePairOfQuotesRemoved", bytes("[A]\nk= \"\" x \"\" \n"), u"A"_s, u"k"_s,
                        u"\" x \""_s },
                ReadCase{ "LoneQuoteKept", bytes("[A]\nk=\"\n"), u"A"_s, u"k"_s, u"\""_s },
                ReadCase{ "EmptyValueIsNoDefault", bytes("[A]\nk=\n"), u"A"_s, u"k"_s, {} },
                ReadCase{ "EqualsInValue", bytes("[A]\nk=a=b\n"), u"A"_s, u"k"_s, u"a=b"_s },
                ReadCase{ "MissingSection", bytes("[A]\nk=1\n"), u"B"_s, u"k"_s, Missing },
                ReadCase{ "KeyBeforeAnySection", bytes("k=1\n[A]\n"), u"A"_s, u"k"_s, Missing },
                ReadCase{ "KeyInLaterSectionOnly", bytes("[A]\n[B]\nk=1\n"), u"A"_s, u"k"_s,
                        Missing },
                ReadCase{ "UnclosedHeaderIsNoSection", bytes("[A]\n[B\nk=1\n"), u"A"_s, u"k"_s,
                        u"1"_s },
                ReadCase{ "LineWithoutEqualsIsNoKey", bytes("[A]\nk\nk=2\n"), u"A"_s, u"k"_s,
                        u"2"_s },
                ReadCase{ "CrLfAndNoFinalNewline", bytes("[A]\r\nj=0\r\nk=7"), u"A"_s, u"k"_s,
                        u"7"_s },
                ReadCase{
                        "ByteOrderMark", bytes("\xEF\xBB\xBF[A]\nk=1\n"), u"A"_s, u"k"_s, u"1"_s },
                ReadCase{ "NulBytesElsewhere", QByteArray("[A]\n\0\0=\xFF\nk=1\n", 14), u"A"_s,
                        u"k"_s, u"1"_s },
                ReadCase{ "Utf8Value", bytes("[A]\nk=\xC3\xA9\n"), u"A"_s, u"k"_s,
                        QString(QChar(0xE9)) },
                ReadCase{ "EmptyFile", QByteArray(), u"A"_s, u"k"_s, Missing },
                ReadCase{ "BareCrEndsLines", bytes("[A]\rj=0\rk=7\r"), u"A"_s, u"k"_s, u"7"_s },
                ReadCase{
                        "CrCrLfEndsOneLine", bytes("[A]\r\r\nk=7\r\r\n"), u"A"_s, u"k"_s, u"7"_s },
                ReadCase{ "OnePairOfSingleQuotesRemoved", bytes("[A]\nk='250000'\n"), u"A"_s,
                        u"k"_s, u"250000"_s },
                ReadCase{ "MixedQuotesKept", bytes("[A]\nk='1\"\n"), u"A"_s, u"k"_s, u"'1\""_s },
                ReadCase{ "Utf16LittleEndian",
                        QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xE9\0", 18), u"A"_s, u"k"_s,
                        QString(QChar(0xE9)) },
                ReadCase{ "Utf16BigEndian",
                        QByteArray("\xFE\xFF\0[\0A\0]\0\n\0k\0=\0"
                                   "1",
                                16),
                        u"A"_s, u"k"_s, u"1"_s }),
        rowName<ReadCase>);

namespace {

struct WriteCase
{
    const char *name;
    QByteArray before;
    QString section;
    QString key;
    QString value;
    QByteArray after;
};

void PrintTo(const WriteCase &c, std::ostream *os)
{
    *os << c.name;
}

} // namespace

class ProfileWrite : public testing::TestWithParam<WriteCase>
{
};

TEST_P(ProfileWrite, ChangesOnlyWhatItMust)
{
    const WriteCase &c = GetParam();
    ProfileFile file(c.before);
    ASSERT_TRUE(file.writeString(c.section, c.key, c.value));
    EXPECT_EQ(file.toBytes(), c.after);
    EXPECT_EQ(ProfileFile(file.toBytes()).readString(c.section, c.key, Missing), c.value);
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileWrite,
        testing::Values(
                WriteCase{ "ReplacesInPlaceKeepingSpellingAndLineEnds",
                        bytes("; top\r\n[a]\r\n  Key =  old  \r\nz=1\r\n"), u"A"_s, u"KEY"_s,
                        u"new"_s, bytes("; top\r\n[a]\r\n  Key =  new\r\nz=1\r\n") },
                WriteCase{ "AddsAfterLastKeyBeforeTrailingComments",
                        bytes("[A]\nx=1\njunk\ny=2\n\n; about B\n[B]\n"), u"A"_s, u"k"_s, u"3"_s,
                        bytes("[A]\nx=1\njunk\ny=2\nk=3\n\n; about B\n[B]\n") },
                WriteCase{ "AddsRightAfterHeaderOfEmptySection", bytes("[A]\n\n[B]\n"), u"A"_s,
                        u"k"_s, u"1"_s, bytes("[A]\nk=1\n\n[B]\n") },
                WriteCase{ "AddsSectionAtEndWithFileLineEnd", bytes("[A]\r\nx=1"), u"B"_s, u"k"_s,
                        u"1"_s, bytes("[A]\r\nx=1\r\n[B]\r\nk=1\r\n") },
                WriteCase{ "AddsKeyAfterLastLineWithoutNewline", bytes("[A]\nx=1"), u"A"_s, u"k"_s,
                        u"1"_s, bytes("[A]\nx=1\nk=1\n") },
                WriteCase{ "NewFileUsesLf", QByteArray(), u"A"_s, u"k"_s, u"1"_s,
                        bytes("[A]\nk=1\n") },
                WriteCase{ "KeepsByteOrderMark", bytes("\xEF\xBB\xBF"), u"A"_s, u"k"_s, u"1"_s,
                        bytes("\xEF\xBB\xBF[A]\nk=1\n") },
                WriteCase{ "EditsFirstOfDuplicateSections", bytes("[A]\n[A]\nk=1\n"), u"a"_s,
                        u"k"_s, u"2"_s, bytes("[A]\nk=2\n[A]\nk=1\n") },
                WriteCase{ "QuotesValueThatReadingWouldTrim", bytes("[A]\nk=1\n"), u"A"_s, u"k"_s,
                        u" x "_s, bytes("[A]\nk=\" x \"\n") },
                WriteCase{ "QuotesQuotedValue", bytes("[A]\n"), u"A"_s, u"k"_s, u"\"q\""_s,
                        bytes("[A]\nk=\"\"q\"\"\n") },
                WriteCase{ "QuotesSingleQuotedValue", bytes("[A]\n"), u"A"_s, u"k"_s, u"'q'"_s,
                        bytes("[A]\nk=\"'q'\"\n") },
                WriteCase{ "CrOnlyFileGetsCrLines", bytes("[A]\rx=1\r[B]\r"), u"A"_s, u"k"_s,
                        u"2"_s, bytes("[A]\rx=1\rk=2\r[B]\r") },
                WriteCase{ "LineAddedToCrFileKeepsTheBlankLineAfterIt",
                        bytes("[GeneralValues]\rRun=1\r[LastValues]\nSalesPrice=250000\n\n[Tail]"),
                        u"LastValues"_s, u"k"_s, u"1"_s,
                        bytes("[GeneralValues]\rRun=1\r[LastValues]\nSalesPrice=250000\nk=1\n\n"
                              "[Tail]") },
                WriteCase{ "CrCrLfFileKeepsItsLineEnds", bytes("[A]\r\r\nk=1\r\r\n"), u"B"_s,
                        u"k"_s, u"2"_s, bytes("[A]\r\r\nk=1\r\r\n[B]\r\r\nk=2\r\r\n") },
                WriteCase{ "Utf16LittleEndianStaysSo", QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0", 12),
                        u"A"_s, u"k"_s, QString(QChar(0x20AC)),
                        QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xAC\x20\r\0\n\0", 22) },
                WriteCase{ "Utf16KeepsZeroWidthSpaceAfterTheMark",
                        QByteArray("\xFF\xFE\xFF\xFE;\0", 6), u"A"_s, u"k"_s, u"1"_s,
                        QByteArray("\xFF\xFE\xFF\xFE;\0\n\0[\0A\0]\0\n\0k\0=\0"
                                   "1\0\n\0",
                                24) },
                WriteCase{ "Utf16BigEndianStaysSo", QByteArray("\xFE\xFF\0[\0A\0]", 8), u"A"_s,
                        u"k"_s, u"1"_s,
                        QByteArray("\xFE\xFF\0[\0A\0]\0\n\0k\0=\0"
                                   "1\0\n",
                                18) }),
        rowName<WriteCase>);

TEST(ProfileWrite, RefusesNamesAndValuesThatWouldNotReadBack)
{
    const QByteArray before("[A]\nk=1\n");
    ProfileFile file(before);
    const QString bad[][3] = { { {}, u"k"_s, u"v"_s }, { u"A"_s, {}, u"v"_s },
        { u" A"_s, u"k"_s, u"v"_s }, { u"A]"_s, u"k"_s, u"v"_s }, { u"A"_s, u"k\t"_s, u"v"_s },
        { u"A"_s, u"k=j"_s, u"v"_s }, { u"A"_s, u";k"_s, u"v"_s }, { u"A"_s, u"[k]"_s, u"v"_s },
        { u"A"_s, u"k"_s, u"v\nw=1"_s }, { u"A\r"_s, u"k"_s, u"v"_s } };
    for (const auto &[section, key, value] : bad)
        EXPECT_FALSE(file.writeString(section, key, value))
                << section.toStdString() << '|' << key.toStdString();
    EXPECT_EQ(file.toBytes(), before);
}

TEST(ProfileWrite, LargeJunkSurvivesEdits)
{
    QByteArray junk;
    for (int i = 0; i < 10000; ++i)
        junk += "junk line " + QByteArray::number(i) + (i % 2 ? "\r\n" : "\n");
    const QByteArray longLine(1 << 20, 'x');
    const QByteArray before = junk + "[A]\nk=" + longLine + "\n" + longLine;
    ProfileFile file(before);
    EXPECT_EQ(file.readString(u"A"_s, u"k"_s, Missing).size(), longLine.size());
    ASSERT_TRUE(file.writeString(u"A"_s, u"k"_s, u"1"_s));
    EXPECT_EQ(file.toBytes(), junk + "[A]\nk=1\n" + longLine);
}
