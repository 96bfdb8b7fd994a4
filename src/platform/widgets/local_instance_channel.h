#pragma once

#include <memory>

#include <QLocalServer>
#include <QString>

#include "platform/instance_channel.h"

namespace lw::platform {

/// The folder for the user's sockets: $XDG_RUNTIME_DIR, else a folder of the user's own in
/// the temporary folder, made private when missing; empty when neither is private to the user.
QString privateRuntimeFolder();

/// The channel over a local socket named after the settings folder, in a folder only the user
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
    void answer(QLocalSocket *socket);

    QString m_path; // empty: no private folder, so no channel
    std::function<void()> m_raise;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace lw::platform
