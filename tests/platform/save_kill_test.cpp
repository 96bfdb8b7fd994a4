#include <chrono>
#include <csignal>
#include <cstdlib>
#include <optional>
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

// A child process saves the settings file, or exports a document, in a loop and is killed with
// SIGKILL at random moments. After each kill the file must hold exactly the last version saved
// or the one being saved; the user's hidden files beside it stay as they are; the next save
// leaves no temporary file behind, and an export none at all. Seeded: LW_KILL_SEED repeats a
// run.
namespace {

using lw::platform::DiskFileStore;
using lw::platform::FileContent;
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

// Writes versions first, first + 1, ... as the settings file or as a document, and announces
// each on the pipe before writing it.
[[noreturn]] void writeForever(
        const QString &path, int first, int announce, bool document, const QString &ownFolder)
{
    DiskFileStore store({}, ownFolder);
    for (int number = first;; ++number) {
        if (::write(announce, &number, sizeof number) != sizeof number
                || !(document ? store.replaceDocument(path, version(number))
                              : store.replace(path, version(number))))
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

// Lets a child write from version `first` on and kills it after a random pause: the version it
// was writing (first - 1 when none), or nothing when it stopped by itself. A document is
// written by a store whose own folder is given.
std::optional<int> killWhileWriting(
        const QString &path, int first, const QString &ownFolder, std::mt19937 &random)
{
    int announce[2];
    if (::pipe2(announce, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0)
        writeForever(path, first, announce[1], !ownFolder.isEmpty(), ownFolder);
    ::close(announce[1]);
    std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20000)(random)));
    int status = 0;
    const bool killed = child > 0 && ::kill(child, SIGKILL) == 0
            && ::waitpid(child, &status, 0) == child && WIFSIGNALED(status);
    const int inProgress = lastAnnounced(announce[0], first - 1);
    ::close(announce[0]);
    return killed ? std::optional<int>(inProgress) : std::nullopt;
}

// Which of the two versions a kill may leave the bytes are: -1 for neither.
int versionFound(const QByteArray &bytes, int inProgress)
{
    return bytes == version(inProgress)        ? inProgress
            : bytes == version(inProgress - 1) ? inProgress - 1
                                               : -1;
}

// Hidden files of the user's own that look like temporary files of the program's.
const QStringList LookAlikes{ u".lwcalc.ini.backup"_s, u".lwcalc.ini.2024v1"_s,
    u".s.csv.draft1"_s };

// Everything in the folder that is neither the target nor one of the user's look-alikes.
QStringList strays(const QString &folder, const QString &target)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(target);
    for (const QString &name : LookAlikes)
        names.removeAll(name);
    return names;
}

void makeOld(const QString &folder, const QStringList &names)
{
    const timespec twoMinutesAgo[2] = { { ::time(nullptr) - 120, 0 },
        { ::time(nullptr) - 120, 0 } };
    for (const QString &name : names)
        ::utimensat(
                AT_FDCWD, QFile::encodeName(folder + u'/' + name).constData(), twoMinutesAgo, 0);
}

// Puts the user's look-alikes in the folder, old enough for any sweep to take them.
void putLookAlikes(const QString &folder)
{
    for (const QString &name : LookAlikes) {
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(name.toUtf8()) != name.size())
            std::abort();
    }
    makeOld(folder, LookAlikes);
}

bool lookAlikesIntact(const QString &folder)
{
    DiskFileStore store;
    for (const QString &name : LookAlikes) {
        if (store.read(folder + u'/' + name).bytes != name.toUtf8())
            return false;
    }
    return true;
}

} // namespace

TEST(SaveKill, EveryKillLeavesTheOldOrTheNewFileAndTheNextSaveClearsOnlyItsLeftovers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"lwcalc.ini"_s);
    DiskFileStore store;
    int saved = 0; // the version the file holds for sure
    ASSERT_TRUE(store.replace(path, version(saved)));
    putLookAlikes(dir.path());
    std::mt19937 random(seed());
    int killsWithLeftovers = 0;
    for (int kill = 0; kill < Kills && !testing::Test::HasFailure(); ++kill) {
        SCOPED_TRACE("seed " + std::to_string(seed()) + ", kill " + std::to_string(kill));
        const std::optional<int> inProgress = killWhileWriting(path, saved + 1, {}, random);
        ASSERT_TRUE(inProgress) << "the saving child stopped by itself";
        const QByteArray now = store.read(path).bytes;
        const int found = versionFound(now, *inProgress);
        ASSERT_NE(found, -1) << "torn or unknown file of " << now.size() << " bytes";

        const QStringList left = strays(dir.path(), u"lwcalc.ini"_s);
        killsWithLeftovers += left.isEmpty() ? 0 : 1;
        makeOld(dir.path(), left); // a minute passes before the next start
        saved = found + 1;
        ASSERT_TRUE(store.replace(path, version(saved)));
        EXPECT_EQ(strays(dir.path(), u"lwcalc.ini"_s), QStringList{})
                << "left over: " << left.join(u' ').toStdString();
        EXPECT_EQ(store.read(path).bytes, version(saved));
        EXPECT_TRUE(lookAlikesIntact(dir.path()));
    }
    RecordProperty("kills_with_leftovers", killsWithLeftovers);
    RecordProperty("versions_saved", saved);
    std::printf("seed %u: %d kills, %d left a temporary file, %d versions saved\n", seed(), Kills,
            killsWithLeftovers, saved);
}

// A folder the user exports into is never swept, so a killed export must leave nothing there;
// what it leaves in the program's own folder the next save sweeps.
TEST(SaveKill, EveryKilledExportLeavesTheOldOrTheNewDocumentAndNothingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkdir(u"own"_s));
    const QString path = dir.filePath(u"s.csv"_s);
    const QString own = dir.filePath(u"own"_s);
    putLookAlikes(dir.path());
    putLookAlikes(own);
    DiskFileStore store({}, own);
    std::mt19937 random(seed() + 1);
    int next = 1; // the first version the next child exports
    int held = -1; // the version the document holds, -1 for none
    int killsWithLeftovers = 0;
    int killsLeavingOwnFolderNames = 0;
    for (int kill = 0; kill < Kills && !testing::Test::HasFailure(); ++kill) {
        SCOPED_TRACE("seed " + std::to_string(seed()) + ", kill " + std::to_string(kill));
        // Every other child starts with a new document, the rest replace the last one.
        if (kill % 2 == 0) {
            QFile::remove(path);
            held = -1;
        }
        const std::optional<int> inProgress = killWhileWriting(path, next, own, random);
        ASSERT_TRUE(inProgress) << "the exporting child stopped by itself";
        const int finished = *inProgress > next ? *inProgress - 1 : held;
        const FileContent now = store.read(path);
        held = now.status == FileContent::Status::Missing ? -1
                : now.bytes == version(*inProgress)       ? *inProgress
                : now.bytes == version(finished)          ? finished
                                                          : -2;
        ASSERT_TRUE(held == *inProgress || held == finished)
                << "torn, unknown or missing document of " << now.bytes.size() << " bytes";
        const QStringList left = strays(dir.path(), u"s.csv"_s);
        killsWithLeftovers += left.isEmpty() ? 0 : 1;
        EXPECT_EQ(left, QStringList{});
        EXPECT_TRUE(lookAlikesIntact(dir.path()));

        const QStringList staged = strays(own, u"lwcalc.ini"_s);
        killsLeavingOwnFolderNames += staged.isEmpty() ? 0 : 1;
        makeOld(own, staged);
        ASSERT_TRUE(store.replace(own + u"/lwcalc.ini"_s, version(0)));
        EXPECT_EQ(strays(own, u"lwcalc.ini"_s), QStringList{});
        EXPECT_TRUE(lookAlikesIntact(own));
        next = *inProgress + 1;
    }
    RecordProperty("kills_with_leftovers", killsWithLeftovers);
    RecordProperty("kills_leaving_own_folder_names", killsLeavingOwnFolderNames);
    std::printf("seed %u: %d kills of exports, %d left a file of their own beside the document, "
                "%d a name in the own folder\n",
            seed(), Kills, killsWithLeftovers, killsLeavingOwnFolderNames);
}
