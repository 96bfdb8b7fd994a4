#include "platform/local_instance_channel.h"

#include <chrono>
#include <future>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/row_printers.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

enum class Place { Private, OpenToOthers, DeadCopysSocket };

struct ChannelCase
{
    const char *name;
    Place place;
    bool firstServes; // a first copy runs and serves
    bool served; // what its serve() reports
    bool handedOver; // the later start's request was taken
};

LW_PRINT_ROW_NAME(ChannelCase)

const QString Settings = QStringLiteral("/home/u/.config");

// The socket a copy leaves when it dies: bound, never unlinked, nobody listening.
bool leaveDeadSocket(const QString &folder)
{
    // The name the channel takes: it is the only socket a run makes in the folder.
    QTemporaryDir probe;
    lw::platform::LocalInstanceChannel serving(Settings, probe.path());
    serving.serve({});
    const QStringList made = QDir(probe.path()).entryList(QDir::System);
    if (made.size() != 1)
        return false;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(folder + u'/' + made.first());
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

class LocalInstanceChannelTest : public testing::TestWithParam<ChannelCase>
{
};

} // namespace

TEST_P(LocalInstanceChannelTest, ALaterStartHandsOverOnlyToACopyThatServes)
{
    const ChannelCase &row = GetParam();
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(),
                      row.place == Place::OpenToOthers ? 0755 : 0700),
            0);
    if (row.place == Place::DeadCopysSocket) {
        ASSERT_TRUE(leaveDeadSocket(dir.path()));
    }

    int raised = 0;
    lw::platform::LocalInstanceChannel first(Settings, dir.path());
    if (row.firstServes) {
        EXPECT_EQ(first.serve([&] {
            ++raised;
        }),
                row.served);
    }
    // The later start waits for its answer; this thread's loop must give it.
    auto later = std::async(std::launch::async, [&dir] {
        return lw::platform::LocalInstanceChannel(Settings, dir.path()).askRunningCopy();
    });
    while (later.wait_for(10ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(later.get(), row.handedOver);
    EXPECT_EQ(raised, row.handedOver ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Places, LocalInstanceChannelTest,
        testing::Values(ChannelCase{ "NoCopyRuns", Place::Private, false, false, false },
                ChannelCase{ "CopyRuns", Place::Private, true, true, true },
                ChannelCase{
                        "DeadCopysSocketIsTakenOver", Place::DeadCopysSocket, true, true, true },
                ChannelCase{ "FolderOpenToOthersGivesNoChannel", Place::OpenToOthers, true, false,
                        false }),
        lw::test::RowName());
