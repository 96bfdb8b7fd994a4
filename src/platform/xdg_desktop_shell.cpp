#include "platform/xdg_desktop_shell.h"

#include <mutex>

#include <QStandardPaths>

#include "platform/child_process.h"

namespace lw::platform {

// The reaping threads may outlive the shell; they post to the receiver only while it exists.
struct XdgDesktopShell::Mailbox
{
    std::mutex mutex;
    QObject *receiver = nullptr;
};

XdgDesktopShell::XdgDesktopShell()
    : m_mailbox(std::make_shared<Mailbox>())
    , m_receiver(std::make_unique<QObject>())
{
    m_mailbox->receiver = m_receiver.get();
}

XdgDesktopShell::~XdgDesktopShell()
{
    const std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->receiver = nullptr;
}

bool XdgDesktopShell::open(const QString &target, LateFailure onLateFailure)
{
    if (target.isEmpty() || !isPlainArgument(target))
        return false;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    const std::optional<pid_t> pid = startWithArgument(opener, target);
    if (!pid)
        return false;
    const quint64 request = m_nextRequest++;
    m_waiting.emplace(request, std::move(onLateFailure));
    reapInBackground(*pid, Patience, [mailbox = m_mailbox, request, this](bool failed) {
        const std::lock_guard lock(mailbox->mutex);
        if (mailbox->receiver)
            QMetaObject::invokeMethod(
                    mailbox->receiver,
                    [this, request, failed] {
                        settle(request, failed);
                    },
                    Qt::QueuedConnection);
    });
    return true;
}

void XdgDesktopShell::settle(quint64 request, bool failed)
{
    const auto waiting = m_waiting.find(request);
    if (waiting == m_waiting.end())
        return;
    const LateFailure onLateFailure = std::move(waiting->second);
    m_waiting.erase(waiting);
    if (failed && onLateFailure)
        onLateFailure();
}

} // namespace lw::platform
