#include "platform/disk_file_store.h"

#include <chrono>
#include <csignal>
#include <memory>
#include <thread>
#include <tuple>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/local_path.h"
#include "support/unprivileged.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using lw::platform::DiskFileStore;
using lw::platform::FileContent;
using Status = FileContent::Status;
using Step = DiskFileStore::Step;
using namespace Qt::StringLiterals;

namespace {

class DiskStore : public testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray contents(const QString &name) const { return store.read(path(name)).bytes; }

    // Every name in the folder, links that lead nowhere and names that are not UTF-8 included.
    QStringList entries() const
    {
        QStringList names;
        const std::unique_ptr<DIR, int (*)(DIR *)> folder(
                ::opendir(QFile::encodeName(dir.path()).constData()), &::closedir);
        while (const dirent *entry = folder ? ::readdir(folder.get()) : nullptr) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names << lw::platform::localPath(name);
        }
        names.sort();
        return names;
    }

    QTemporaryDir dir;
    DiskFileStore store;
};

} // namespace

TEST_F(DiskStore, ReadTellsMissingFromUnreadable)
{
    EXPECT_EQ(store.read(path(u"none.ini"_s)).status, Status::Missing);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.ini"_s));
    EXPECT_EQ(store.read(path(u"folder.ini"_s)).status, Status::Failed);
    put(u"a.ini"_s, QByteArray("x\0y", 3));
    const FileContent read = store.read(path(u"a.ini"_s));
    EXPECT_EQ(read.status, Status::Read);
    EXPECT_EQ(read.bytes, QByteArray("x\0y", 3));
}

TEST_F(DiskStore, ReplaceKeepsPermissionsAndLeavesNoTemporaryFile)
{
    put(u"a.ini"_s, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path(u"a.ini"_s)).constData(), 0640), 0);
    ASSERT_TRUE(store.replace(path(u"a.ini"_s), "new"));
    EXPECT_EQ(contents(u"a.ini"_s), "new");
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(path(u"a.ini"_s)).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), QStringList{ u"a.ini"_s });
}

TEST_F(DiskStore, ReplaceWritesThroughALinkAndKeepsIt)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"real"_s));
    put(u"real/a.ini"_s, "old");
    ASSERT_TRUE(QFile::link(path(u"real/a.ini"_s), path(u"a.ini"_s)));
    ASSERT_TRUE(store.replace(path(u"a.ini"_s), "new"));
    EXPECT_TRUE(QFileInfo(path(u"a.ini"_s)).isSymLink());
    EXPECT_EQ(contents(u"real/a.ini"_s), "new");
}

TEST_F(DiskStore, ReplaceFailsOverAFolderAndKeepsIt)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"a.ini"_s));
    EXPECT_FALSE(store.replace(path(u"a.ini"_s), "new"));
    EXPECT_TRUE(QFileInfo(path(u"a.ini"_s)).isDir());
    EXPECT_EQ(entries(), QStringList{ u"a.ini"_s });
}

TEST_F(DiskStore, MakePathCreatesParentsAndFailsWhenAFileIsInTheWay)
{
    EXPECT_TRUE(store.makePath(path(u"a/b/c/"_s)));
    EXPECT_TRUE(QFileInfo(path(u"a/b/c"_s)).isDir());
    EXPECT_TRUE(store.makePath(path(u"a/b"_s)));
    put(u"f"_s, "x");
    EXPECT_FALSE(store.makePath(path(u"f/g"_s)));
}

namespace lw::platform {

// Found by argument-dependent lookup, so CTest lists each step by name.
[[maybe_unused]] static void PrintTo(DiskFileStore::Step step, std::ostream *os)
{
    static const char *const steps[] = { "CreateTemporary", "Unnamed", "Write", "Flush", "Rename",
        "FlushFolder" };
    *os << steps[static_cast<int>(step)];
}

} // namespace lw::platform

// The failing step, and whether the temporary file is a named one.
using Interruption = std::tuple<Step, bool>;

std::string stepName(const testing::TestParamInfo<Interruption> &row)
{
    return testing::PrintToString(std::get<0>(row.param))
            + (std::get<1>(row.param) ? "Named" : "Unnamed");
}

class InterruptedReplace : public testing::TestWithParam<Interruption>
{
};

TEST_P(InterruptedReplace, LeavesTheOldOrTheNewFileWhole)
{
    const Step failing = std::get<0>(GetParam());
    const bool named = std::get<1>(GetParam());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.ini"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, 'o'));
    file.close();
    const QByteArray fresh(9000, 'n');

    DiskFileStore store([failing, named](Step step) {
        return step != failing && !(named && step == Step::Unnamed);
    });
    EXPECT_FALSE(store.replace(path, fresh));
    const QByteArray now = DiskFileStore().read(path).bytes;
    // Past the rename the new file is in place, but it is not known to be on the disk yet.
    EXPECT_EQ(now, failing == Step::FlushFolder ? fresh : QByteArray(5000, 'o'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{ u"a.ini"_s });
}

INSTANTIATE_TEST_SUITE_P(EachStep, InterruptedReplace,
        testing::Combine(testing::Values(Step::CreateTemporary, Step::Write, Step::Flush,
                                 Step::Rename, Step::FlushFolder),
                testing::Bool()),
        stepName);

// A real kill at a random moment of a stream of replacements never leaves a torn file.
TEST_F(DiskStore, KilledWhileReplacingLeavesOneWholeVersion)
{
    const QByteArray first(1 << 20, 'a');
    const QByteArray second(1 << 20, 'b');
    ASSERT_TRUE(store.replace(path(u"a.ini"_s), first));
    for (int round = 0; round < 10; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            DiskFileStore writer;
            for (int i = 0;; ++i) {
                if (!writer.replace(path(u"a.ini"_s), i % 2 ? first : second))
                    ::_exit(1);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";
        const QByteArray now = contents(u"a.ini"_s);
        EXPECT_TRUE(now == first || now == second) << "round " << round << ": " << now.size();
    }
}

TEST_F(DiskStore, ReplaceFollowsAChainOfLinksToTheRealFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"real/deep"_s));
    put(u"real/deep/a.ini"_s, "old");
    // Relative and absolute links, as hand-made set-ups have them.
    ASSERT_EQ(::symlink("deep/a.ini", QFile::encodeName(path(u"real/hop.ini"_s)).constData()), 0);
    ASSERT_TRUE(QFile::link(path(u"real/hop.ini"_s), path(u"a.ini"_s)));
    ASSERT_TRUE(store.replace(path(u"a.ini"_s), "new"));
    EXPECT_EQ(contents(u"real/deep/a.ini"_s), "new");
    EXPECT_TRUE(QFileInfo(path(u"a.ini"_s)).isSymLink());
    EXPECT_TRUE(QFileInfo(path(u"real/hop.ini"_s)).isSymLink());
    EXPECT_EQ(entries(), (QStringList{ u"a.ini"_s, u"real"_s }));
}

TEST_F(DiskStore, ReplaceRefusesALoopOfLinks)
{
    ASSERT_TRUE(QFile::link(path(u"b.ini"_s), path(u"a.ini"_s)));
    ASSERT_TRUE(QFile::link(path(u"a.ini"_s), path(u"b.ini"_s)));
    EXPECT_FALSE(store.replace(path(u"a.ini"_s), "new"));
    EXPECT_TRUE(QFileInfo(path(u"a.ini"_s)).isSymLink());
    EXPECT_EQ(entries(), (QStringList{ u"a.ini"_s, u"b.ini"_s }));
}

TEST_F(DiskStore, ReplaceRefusesAReadOnlyFileInAWritableFolder)
{
    put(u"a.ini"_s, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path(u"a.ini"_s)).constData(), 0444), 0);
    ASSERT_TRUE(lw::test::handOver(dir.path()));
    const QString file = path(u"a.ini"_s);
    EXPECT_EQ(lw::test::runUnprivileged([&] {
        return DiskFileStore().replace(file, "new") ? 1 : 0;
    }),
            0);
    EXPECT_EQ(contents(u"a.ini"_s), "old");
    EXPECT_EQ(entries(), QStringList{ u"a.ini"_s });
    // The same store in the same folder still replaces a file it may write.
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0644), 0);
    EXPECT_EQ(lw::test::runUnprivileged([&] {
        return DiskFileStore().replace(file, "new") ? 0 : 1;
    }),
            0);
    EXPECT_EQ(contents(u"a.ini"_s), "new");
}

// Settings file or document: which of the names beside it a successful replacement removes.
struct SweepRow
{
    const char *name;
    bool document;
    QStringList removed;
};

class ReplaceSweep : public DiskStore, public testing::WithParamInterface<SweepRow>
{
};

TEST_P(ReplaceSweep, RemovesOnlyTheProgramsOwnOldTemporariesBesideTheSettingsFile)
{
    const QStringList old{ u".a.ini.lw-tmp-Ab3xY9"_s, u".a.ini.Ab3xY9"_s, u".a.ini.backup"_s,
        u".a.ini.2024v1"_s, u".b.ini.lw-tmp-Ab3xY9"_s, u".a.ini.lw-tmp-Ab3x-9"_s,
        u"a.ini.lw-tmp-Ab3xY9"_s };
    for (const QString &name : old) {
        put(name, "left over");
        const timespec twoMinutesAgo[2] = { { ::time(nullptr) - 120, 0 },
            { ::time(nullptr) - 120, 0 } };
        ASSERT_EQ(
                ::utimensat(AT_FDCWD, QFile::encodeName(path(name)).constData(), twoMinutesAgo, 0),
                0);
    }
    put(u".a.ini.lw-tmp-young1"_s, "a save still running");
    DiskFileStore failing([](Step step) {
        return step != Step::Rename;
    });
    EXPECT_FALSE(failing.replace(path(u"a.ini"_s), "new"));
    EXPECT_EQ(entries().size(), old.size() + 1) << "a failed save removes nothing";
    const QString target = path(u"a.ini"_s);
    ASSERT_TRUE(GetParam().document ? store.replaceDocument(target, "new")
                                    : store.replace(target, "new"));
    QStringList expected = old + QStringList{ u".a.ini.lw-tmp-young1"_s, u"a.ini"_s };
    for (const QString &name : GetParam().removed)
        expected.removeOne(name);
    expected.sort();
    EXPECT_EQ(entries(), expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReplaceSweep,
        testing::Values(SweepRow{ "SettingsFile", false,
                                { u".a.ini.lw-tmp-Ab3xY9"_s, u".b.ini.lw-tmp-Ab3xY9"_s } },
                SweepRow{ "Document", true, {} }),
        [](const testing::TestParamInfo<SweepRow> &row) {
            return std::string(row.param.name);
        });

// The mode a new file gets: a settings file stays private, a document is the user's to share.
struct ModeRow
{
    const char *name;
    bool document;
    mode_t umask;
    mode_t mode;
    bool named = false; // as on a file system without files that have no name
};

class NewFileMode : public DiskStore, public testing::WithParamInterface<ModeRow>
{
};

TEST_P(NewFileMode, FollowsTheUmaskOnlyForDocuments)
{
    const ModeRow &row = GetParam();
    const mode_t before = ::umask(row.umask);
    const QString target = path(u"new.csv"_s);
    DiskFileStore writer([&row](Step step) {
        return !row.named || step != Step::Unnamed;
    });
    const bool replaced =
            row.document ? writer.replaceDocument(target, "new") : writer.replace(target, "new");
    ::umask(before);
    ASSERT_TRUE(replaced);
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, row.mode);
    EXPECT_EQ(entries(), QStringList{ u"new.csv"_s });
}

INSTANTIATE_TEST_SUITE_P(Umasks, NewFileMode,
        testing::Values(ModeRow{ "SettingsFile", false, 022, 0600 },
                ModeRow{ "DocumentCommonUmask", true, 022, 0644 },
                ModeRow{ "DocumentGroupUmask", true, 002, 0664 },
                ModeRow{ "DocumentPrivateUmask", true, 077, 0600 },
                ModeRow{ "NamedSettingsFile", false, 022, 0600, true },
                ModeRow{ "NamedDocument", true, 022, 0644, true }),
        [](const testing::TestParamInfo<ModeRow> &row) {
            return std::string(row.param.name);
        });

TEST_F(DiskStore, MakePathMakesPrivateFoldersAndLeavesExistingOnesAlone)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"shared"_s));
    ASSERT_EQ(::chmod(QFile::encodeName(path(u"shared"_s)).constData(), 0755), 0);
    ASSERT_TRUE(store.makePath(path(u"shared/Ferrowind/Loanwright/"_s)));
    const auto mode = [&](const QString &name) {
        struct stat info;
        return ::stat(QFile::encodeName(path(name)).constData(), &info) == 0 ? info.st_mode & 07777
                                                                             : 0u;
    };
    EXPECT_EQ(mode(u"shared"_s), 0755u);
    EXPECT_EQ(mode(u"shared/Ferrowind"_s), 0700u);
    EXPECT_EQ(mode(u"shared/Ferrowind/Loanwright"_s), 0700u);
}

TEST_F(DiskStore, NameThatIsNotUtf8IsUsedAsItsBytes)
{
    const QByteArray folder = QFile::encodeName(dir.path()) + "/conf\xFF\xC3(";
    const QString name = lw::platform::localPath(folder) + u"/Ferrowind/lwcalc.ini"_s;
    ASSERT_TRUE(store.makePath(lw::platform::localPath(folder) + u"/Ferrowind"_s));
    ASSERT_TRUE(store.replace(name, "new"));
    struct stat info;
    EXPECT_EQ(::stat(QByteArray(folder + "/Ferrowind/lwcalc.ini").constData(), &info), 0);
    EXPECT_EQ(store.read(name).bytes, "new");
    EXPECT_EQ(entries().size(), 1);
}
