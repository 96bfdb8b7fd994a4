#pragma once

#include <functional>
#include <memory>

#include <QSocketNotifier>

namespace lw::platform {

/// SIGTERM, SIGHUP and SIGINT handed to a function in the event loop. The signal handler only
/// writes the number to a socket pair, the one thing that is safe inside it; a notifier on
/// the other end calls the function. One instance at a time; the handlers that were there
/// before come back when it goes.
class TerminationSignals final
{
public:
    explicit TerminationSignals(std::function<void(int signalNumber)> received);
    ~TerminationSignals();
    Q_DISABLE_COPY_MOVE(TerminationSignals)

    /// False when the socket pair or a handler could not be set up.
    bool isActive() const { return m_notifier != nullptr; }

private:
    void readPending();

    std::function<void(int)> m_received;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace lw::platform
