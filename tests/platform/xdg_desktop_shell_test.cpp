#include "platform/xdg_desktop_shell.h"

#include <QTest>

#include <gtest/gtest.h>

#include "support/fake_xdg_open.h"

using lw::platform::XdgDesktopShell;
using lw::test::FakeXdgOpen;

namespace {

constexpr int Generous = 3000; // ms; the fakes end in a few

struct Opening
{
    XdgDesktopShell shell;
    int lateFailures = 0;

    bool open(const QString &target)
    {
        return shell.open(target, [this] {
            ++lateFailures;
        });
    }
};

} // namespace

TEST(XdgDesktopShellTest, HandsTheAddressOverAsTheOnlyArgumentAndHearsOfNoFailure)
{
    const FakeXdgOpen opener(FakeXdgOpen::Kind::Logging);
    Opening opening;
    // Blanks and shell syntax would split or run something if a shell came between.
    const QString address = QStringLiteral("https://www.example/a b?x=$(touch pwned);y=`id`");
    ASSERT_TRUE(opening.open(address));
    ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !opener.calls().isEmpty();
            },
            Generous));
    EXPECT_EQ(opener.calls(), QStringList{ u'[' + address + u']' });
    QTest::qWait(200); // room for a late report that must not come
    EXPECT_EQ(opening.lateFailures, 0);
}

TEST(XdgDesktopShellTest, AnOpenerEndingWithANonZeroStatusIsReportedOnceAfterTheFact)
{
    const FakeXdgOpen opener(FakeXdgOpen::Kind::Failing);
    Opening opening;
    ASSERT_TRUE(opening.open(QStringLiteral("mailto:support@brannock.example")));
    EXPECT_EQ(opening.lateFailures, 0) << "the report comes through the event loop";
    EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return opening.lateFailures > 0;
            },
            Generous));
    QTest::qWait(200);
    EXPECT_EQ(opening.lateFailures, 1);
}

TEST(XdgDesktopShellTest, WithoutAnOpenerOnThePathTheOpenIsRefusedAtOnce)
{
    const FakeXdgOpen opener(FakeXdgOpen::Kind::Missing);
    Opening opening;
    EXPECT_FALSE(opening.open(QStringLiteral("https://www.brannock.example/")));
}

TEST(XdgDesktopShellTest, TheShellGoingFirstLeavesTheOpenerAndTheProgramAlone)
{
    const FakeXdgOpen opener(FakeXdgOpen::Kind::Failing);
    {
        Opening opening;
        ASSERT_TRUE(opening.open(QStringLiteral("https://www.brannock.example/")));
    }
    ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !opener.calls().isEmpty();
            },
            Generous));
    QTest::qWait(200); // the opener's failure arrives for nobody
}

struct RefusedTarget
{
    const char *name;
    QString target;
};

void PrintTo(const RefusedTarget &row, std::ostream *out)
{
    *out << row.name;
}

class XdgDesktopShellRefusalTest : public ::testing::TestWithParam<RefusedTarget>
{
};

TEST_P(XdgDesktopShellRefusalTest, StartsNoProcess)
{
    const FakeXdgOpen opener(FakeXdgOpen::Kind::Logging);
    Opening opening;
    EXPECT_FALSE(opening.open(GetParam().target));
    QTest::qWait(200);
    EXPECT_TRUE(opener.calls().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Targets, XdgDesktopShellRefusalTest,
        ::testing::Values(RefusedTarget{ "Empty", QString() },
                RefusedTarget{ "LooksLikeAnOption", QStringLiteral("--help") },
                RefusedTarget{ "LineBreak", QStringLiteral("https://a.example/\nrm") },
                RefusedTarget{ "Delete", QStringLiteral("https://a.example/\u007f") },
                RefusedTarget{ "C1Control", QStringLiteral("https://a.example/\u0085") }),
        [](const ::testing::TestParamInfo<RefusedTarget> &row) {
            return std::string(row.param.name);
        });
