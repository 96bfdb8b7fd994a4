#include "platform/termination_signals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <utility>

#include <sys/socket.h>
#include <unistd.h>

namespace lw::platform {

namespace {

constexpr std::array<int, 3> Handled{ SIGTERM, SIGHUP, SIGINT };

int writeEnd = -1; // read by the handler: a plain int is all it may touch
int readEnd = -1;
std::array<struct sigaction, Handled.size()> previous{};

void onSignal(int number)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full socket means an earlier signal is still waiting to be read: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

void closeEnds()
{
    for (int *fd : { &writeEnd, &readEnd }) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool installHandlers()
{
    struct sigaction action = {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < Handled.size(); ++i) {
        if (::sigaction(Handled[i], &action, &previous[i]) == 0)
            continue;
        while (i-- > 0)
            ::sigaction(Handled[i], &previous[i], nullptr);
        return false;
    }
    return true;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> received)
    : m_received(std::move(received))
{
    int ends[2];
    if (writeEnd >= 0
            || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
        return;
    writeEnd = ends[0];
    readEnd = ends[1];
    if (!installHandlers()) {
        closeEnds();
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
        readPending();
    });
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    m_notifier.reset();
    for (size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &previous[i], nullptr);
    closeEnds();
}

void TerminationSignals::readPending()
{
    unsigned char number = 0;
    while (::read(readEnd, &number, 1) == 1)
        m_received(number);
}

} // namespace lw::platform
