#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "platform/application_hooks.h"
#include "platform/termination_signals.h"

namespace lw::platform {

/// The hooks over the running QApplication: its state changes, and the tool-tip events of
/// every widget: a widget's own tooltip shows with the program's own delays, and a widget
/// without one shows none. Once a session-end handler is set, the session manager's commit
/// request and the termination signals end the application through it.
class QtApplicationHooks final : public QObject, public ApplicationHooks
{
public:
    QtApplicationHooks();
    ~QtApplicationHooks() override;
    Q_DISABLE_COPY_MOVE(QtApplicationHooks)

    void setActivationHandler(std::function<void()> handler) override;
    void setHintTiming(int pauseMs, int hidePauseMs) override;
    void bringActiveWindowToFront() override;
    void setSessionEndHandler(std::function<bool()> handler) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void endSession();

    std::function<void()> m_activate;
    std::function<bool()> m_sessionEnd;
    std::unique_ptr<TerminationSignals> m_signals; // from the first session-end handler on
    bool m_sessionEnded = false;
    int m_hidePauseMs = -1; // Qt's own length-based duration until set
};

} // namespace lw::platform
