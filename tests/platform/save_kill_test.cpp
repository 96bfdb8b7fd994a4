#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>
#include <thread>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/disk_file_store.h"
#include "platform/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// A child process saves the settings file in a loop and is killed with SIGKILL at random
// moments. After each kill the file must hold exactly the last version saved or the one being
// saved, and the next save must leave no temporary file behind. Seeded: LW_KILL_SEED repeats
// a run.
namespace {

using lw::platform::DiskFileStore;
using lw::platform::ProfileFile;
using namespace Qt::StringLiterals;

constexpr int Kills = 250;

// Unrelated lines around the value make each save long enough to be cut at any step.
const QByteArray Base = [] {
    QByteArray text = "[LastValues]\nSalesPrice=0\nterm=30\n";
    for (int i = 0; i < 1000; ++i)
        text += "; a line of someone else's, number " + QByteArray::number(i) + '\n';
    text += "[GeneralValues]\nRun=1\n";
    return text;
}();

QByteArray version(int number)
{
    ProfileFile file(Base);
    if (!file.writeString(u"LastValues"_s, u"SalesPrice"_s, QString::number(number)))
        std::abort();
    return file.toBytes();
}

unsigned seed()
{
    const QByteArray chosen = qgetenv("LW_KILL_SEED");
    return chosen.isEmpty() ? 20261209u : chosen.toUInt();
}

// Saves versions first, first + 1, ... and announces each on the pipe before saving it.
[[noreturn]] void saveForever(const QString &path, int first, int announce)
{
    DiskFileStore store;
    for (int number = first;; ++number) {
        if (::write(announce, &number, sizeof number) != sizeof number
                || !store.replace(path, version(number)))
            ::_exit(1);
    }
}

// The last version the child announced, or `none` when it announced nothing.
int lastAnnounced(int pipe, int none)
{
    int number = none;
    int next = 0;
    while (::read(pipe, &next, sizeof next) == sizeof next)
        number = next;
    return number;
}

QStringList strays(const QString &folder)
{
    return QDir(folder)
            .entryList(QDir::Files | QDir::Hidden | QDir::System)
            .filter(u".lwcalc.ini."_s);
}

void makeOld(const QString &folder, const QStringList &names)
{
    const timespec twoMinutesAgo[2] = { { ::time(nullptr) - 120, 0 },
        { ::time(nullptr) - 120, 0 } };
    for (const QString &name : names)
        ::utimensat(
                AT_FDCWD, QFile::encodeName(folder + u'/' + name).constData(), twoMinutesAgo, 0);
}

} // namespace

TEST(SaveKill, EveryKillLeavesTheOldOrTheNewFileAndTheNextSaveClearsTheLeftovers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"lwcalc.ini"_s);
    DiskFileStore store;
    int saved = 0; // the version the file holds for sure
    ASSERT_TRUE(store.replace(path, version(saved)));
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> delayUs(0, 20000);
    int killsWithLeftovers = 0;
    for (int kill = 0; kill < Kills && !testing::Test::HasFailure(); ++kill) {
        SCOPED_TRACE("seed " + std::to_string(seed()) + ", kill " + std::to_string(kill));
        int announce[2];
        ASSERT_EQ(::pipe2(announce, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForever(path, saved + 1, announce[1]);
        ::close(announce[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";
        const int inProgress = lastAnnounced(announce[0], saved);
        ::close(announce[0]);
        const QByteArray now = store.read(path).bytes;
        const int found = now == version(inProgress) ? inProgress
                : now == version(inProgress - 1)     ? inProgress - 1
                                                     : -1;
        ASSERT_NE(found, -1) << "torn or unknown file of " << now.size() << " bytes";

        const QStringList left = strays(dir.path());
        killsWithLeftovers += left.isEmpty() ? 0 : 1;
        makeOld(dir.path(), left); // a minute passes before the next start
        saved = found + 1;
        ASSERT_TRUE(store.replace(path, version(saved)));
        EXPECT_EQ(strays(dir.path()), QStringList{})
                << "left over: " << left.join(u' ').toStdString();
        EXPECT_EQ(store.read(path).bytes, version(saved));
    }
    RecordProperty("kills_with_leftovers", killsWithLeftovers);
    RecordProperty("versions_saved", saved);
    std::printf("seed %u: %d kills, %d left a temporary file, %d versions saved\n", seed(), Kills,
            killsWithLeftovers, saved);
}
