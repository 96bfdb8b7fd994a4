#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/unprivileged.h"

// The close after a failed save, with the settings folder's mode changed for real; the window
// runs in a child process as an unprivileged user, because root ignores the mode.
namespace {

struct DiskCase
{
    const char *name;
    bool causeGone; // the folder is writable again before the second close
};

void PrintTo(const DiskCase &row, std::ostream *os)
{
    *os << row.name;
}

class MainCloseOnDiskTest : public testing::TestWithParam<DiskCase>
{
};

TEST_P(MainCloseOnDiskTest, FirstFailureKeepsTheWindowTheNextCloseTriesAgainAndEndsIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("config/Ferrowind/Loanwright"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray before("[GeneralValues]\nRun=1\n[LastValues]\nDownPayment=20000\n; mine\n");
    QFile settings(folder + u"/lwcalc.ini");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(before);
    settings.close();
    // A copy of the program the unprivileged user can reach, wherever the build lives.
    const QString probe = dir.filePath(QStringLiteral("lw_close_probe"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LW_CLOSE_PROBE), probe));
    ASSERT_TRUE(lw::test::handOver(dir.path()));

    const QStringList command = lw::test::unprivilegedCommand(probe,
            { dir.filePath(QStringLiteral("config")),
                    QString::fromLatin1(GetParam().causeGone ? "gone" : "stays") });
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(command.first(), command.mid(1));
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput().trimmed().toStdString(),
            "first=0 open=1 messages=1 second=1 messages=1");

    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray after = settings.readAll();
    if (GetParam().causeGone) {
        EXPECT_TRUE(after.contains("\nDownPayment=25000\n")) << after.toStdString();
        EXPECT_TRUE(after.contains("\n; mine\n"));
    } else {
        EXPECT_EQ(after, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Cause, MainCloseOnDiskTest,
        testing::Values(DiskCase{ "Gone", true }, DiskCase{ "StillThere", false }),
        [](const testing::TestParamInfo<DiskCase> &row) {
            return std::string(row.param.name);
        });

} // namespace
