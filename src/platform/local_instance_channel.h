#pragma once

#include <memory>
#include <vector>

#include <QSocketNotifier>
#include <QString>

#include "platform/instance_channel.h"

namespace lw::platform {

/// The folder for the user's sockets: $XDG_RUNTIME_DIR, else a folder of the user's own in
/// the temporary folder, made private when missing; empty when neither is private to the user.
QString privateRuntimeFolder();

/// The channel over a Unix socket named after the settings folder, in a folder only the user
/// may enter. A socket left by a copy that died is removed and taken over.
class LocalInstanceChannel final : public InstanceChannel
{
public:
    LocalInstanceChannel(const QString &settingsFolder, const QString &runtimeFolder);
    ~LocalInstanceChannel() override;
    Q_DISABLE_COPY_MOVE(LocalInstanceChannel)

    bool askRunningCopy() override;
    bool serve(std::function<void()> raise) override;

private:
    bool listen();
    void acceptPending();
    void readRequest(QSocketNotifier *client);

    QByteArray m_path; // empty: no private folder, so no channel
    std::function<void()> m_raise;
    int m_server = -1;
    std::unique_ptr<QSocketNotifier> m_accepting;
    std::vector<std::unique_ptr<QSocketNotifier>> m_clients; // each waiting for its request
};

} // namespace lw::platform
