#pragma once

#include <chrono>
#include <map>
#include <memory>

#include <QObject>

#include "platform/desktop_shell.h"

namespace lw::platform {

/// Opens addresses and files with xdg-open from PATH, started directly with the target as its
/// only argument. The user interface never waits: a thread of its own reaps each xdg-open and
/// a failure comes back through the event loop of the thread that asked.
class XdgDesktopShell final : public DesktopShell
{
public:
    /// An xdg-open still running after this counts as success; it may be running a browser.
    static constexpr std::chrono::seconds Patience{ 5 };

    XdgDesktopShell();
    ~XdgDesktopShell() override;
    Q_DISABLE_COPY_MOVE(XdgDesktopShell)

    [[nodiscard]] bool open(const QString &target, LateFailure onLateFailure) override;

private:
    struct Mailbox;

    void settle(quint64 request, bool failed);

    std::shared_ptr<Mailbox> m_mailbox; // shared with the reaping threads
    std::unique_ptr<QObject> m_receiver; // where the reaping threads post their outcomes
    std::map<quint64, LateFailure> m_waiting; // by request, until its xdg-open ends
    quint64 m_nextRequest = 0;
};

} // namespace lw::platform
