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
#include <sys/syscall.h>

// The session ends under the running program: it saves as a close would and ends, with no
// message left waiting for an answer. The program runs as an unprivileged user, so that a
// read-only folder or file is really read-only to it.
namespace {

using namespace std::chrono_literals;

enum class Obstacle { None, ReadOnlyFolder, ReadOnlyFile };

struct SessionCase
{
    const char *name;
    int signalNumber;
    Obstacle obstacle;
    bool startupBox = false; // the signal comes while the start-up's math-error box shows
};

void PrintTo(const SessionCase &row, std::ostream *os)
{
    *os << row.name;
}

const QByteArray Before("[GeneralValues]\nRun=1\n[LastValues]\nterm=15\n; mine\n");
// The first pass overflows, so the math-error box shows before the main loop runs.
const QByteArray BeforeWithBox(
        "[GeneralValues]\nRun=1\n[LastValues]\nSalesPrice=1.7e308\nterm=15\n; mine\n");

// True once the program has its handler for the signal, read from the kernel's view of it.
bool catches(qint64 pid, int signalNumber)
{
    QFile status(u"/proc/" + QString::number(pid) + u"/status");
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1;
    }
    return false;
}

// True while the program's main thread waits for events, as a message box's loop does.
bool waitsForEvents(qint64 pid)
{
    QFile syscall(u"/proc/" + QString::number(pid) + u"/syscall");
    if (!syscall.open(QIODevice::ReadOnly))
        return false;
    const long number = syscall.readAll().split(' ').first().toLong();
    return number == SYS_ppoll
#ifdef SYS_poll
            || number == SYS_poll
#endif
            ;
}

template <typename Ready>
bool waitFor(Ready ready)
{
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (!ready() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    return ready();
}

class ProgramSessionEndTest : public testing::TestWithParam<SessionCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir().mkpath(folder()));
        QFile settings(settingsPath());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(before());
        settings.close();
        // A copy the unprivileged user can reach, wherever the build lives.
        ASSERT_TRUE(QFile::copy(QStringLiteral(LW_PROGRAM), dir.filePath(QStringLiteral("lw"))));
        ASSERT_TRUE(lw::test::handOver(dir.path()));
        const Obstacle obstacle = GetParam().obstacle;
        ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(),
                          obstacle == Obstacle::ReadOnlyFolder ? 0500 : 0700),
                0);
        ASSERT_EQ(::chmod(QFile::encodeName(settingsPath()).constData(),
                          obstacle == Obstacle::ReadOnlyFile ? 0444 : 0644),
                0);
    }

    QString folder() const { return dir.filePath(QStringLiteral("config/Ferrowind/Loanwright")); }

    QString settingsPath() const { return folder() + u"/lwcalc.ini"; }

    static QByteArray before() { return GetParam().startupBox ? BeforeWithBox : Before; }

    QByteArray settings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_P(ProgramSessionEndTest, SavesAsACloseWouldAndEnds)
{
    const SessionCase &row = GetParam();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    program.setProcessEnvironment(environment);
    const QStringList command =
            lw::test::unprivilegedCommand(dir.filePath(QStringLiteral("lw")), {});
    program.start(command.first(), command.mid(1));
    ASSERT_TRUE(program.waitForStarted());
    const qint64 pid = program.processId();
    ASSERT_TRUE(waitFor([&] {
        return catches(pid, row.signalNumber);
    })) << "the program never took the signal";
    if (row.startupBox) {
        ASSERT_TRUE(waitFor([&] {
            return waitsForEvents(pid);
        })) << "the box never waited for an answer";
    }
    ASSERT_EQ(::kill(pid_t(program.processId()), row.signalNumber), 0);
    ASSERT_TRUE(program.waitForFinished(30000))
            << "the program went on: a box waiting for an answer, or the window after it";
    ASSERT_EQ(program.exitStatus(), QProcess::NormalExit);

    const QByteArray after = settings();
    if (row.obstacle == Obstacle::None) {
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_TRUE(after.contains("\nterm=15\n")) << after.toStdString();
        EXPECT_TRUE(after.contains("\nMonthlyPI=")) << after.toStdString();
        EXPECT_TRUE(after.contains("\n; mine\n")) << after.toStdString();
    } else {
        EXPECT_EQ(program.exitCode(), 1) << "a failed save is no success";
        EXPECT_EQ(after, before());
        EXPECT_TRUE(program.readAllStandardError().contains("Unable to write to"));
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramSessionEndTest,
        testing::Values(SessionCase{ "Term", SIGTERM, Obstacle::None },
                SessionCase{ "Hangup", SIGHUP, Obstacle::None },
                SessionCase{ "Interrupt", SIGINT, Obstacle::None },
                SessionCase{ "TermWithReadOnlyFolder", SIGTERM, Obstacle::ReadOnlyFolder },
                SessionCase{ "TermWithReadOnlyFile", SIGTERM, Obstacle::ReadOnlyFile },
                SessionCase{ "TermDuringStartupBox", SIGTERM, Obstacle::None, true }),
        [](const testing::TestParamInfo<SessionCase> &row) {
            return std::string(row.param.name);
        });

} // namespace
