#include <chrono>
#include <csignal>
#include <thread>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/unprivileged.h"

#include <sys/stat.h>

// A second start on the same settings folder hands over to the copy that runs, so the two
// never save over each other. Both run as an unprivileged user, whose private folder holds
// the channel.
namespace {

using namespace std::chrono_literals;

class ProgramSingleInstanceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString settings = dir.filePath(QStringLiteral("config/Ferrowind/Loanwright"));
        ASSERT_TRUE(QDir().mkpath(settings));
        ASSERT_TRUE(QDir().mkpath(runtime()));
        ASSERT_EQ(::chmod(QFile::encodeName(runtime()).constData(), 0700), 0);
        QFile file(settings + u"/lwcalc.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[GeneralValues]\nRun=1\n");
        file.close();
        ASSERT_TRUE(QFile::copy(QStringLiteral(LW_PROGRAM), dir.filePath(QStringLiteral("lw"))));
        ASSERT_TRUE(lw::test::handOver(dir.path()));
    }

    void TearDown() override
    {
        if (first.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(first.processId()), SIGTERM);
        first.waitForFinished(30000);
    }

    QString runtime() const { return dir.filePath(QStringLiteral("run")); }

    void start(QProcess &program)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(
                QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        program.setProcessEnvironment(environment);
        const QStringList command =
                lw::test::unprivilegedCommand(dir.filePath(QStringLiteral("lw")), {});
        program.start(command.first(), command.mid(1));
        ASSERT_TRUE(program.waitForStarted());
    }

    bool serves() const { return !QDir(runtime()).entryList(QDir::System).isEmpty(); }

    QTemporaryDir dir;
    QProcess first;
};

} // namespace

TEST_F(ProgramSingleInstanceTest, ASecondStartRaisesTheFirstAndEnds)
{
    start(first);
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (!serves() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(serves()) << "the first copy never opened its channel";

    QProcess second;
    start(second);
    ASSERT_TRUE(second.waitForFinished(30000)) << "the second start opened a window of its own";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}
