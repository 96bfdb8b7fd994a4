#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "platform/application_hooks.h"
#include "platform/termination_signals.h"

namespace lw::platform {

/// Ends the process at once with the status, its output flushed; no destructor runs.
[[noreturn]] void endProcessNow(int status);

/// The hooks over the running QApplication: its state changes, and the tool-tip events of
/// every widget: a widget's own tooltip shows with the program's own delays, once each time the
/// pointer enters the widget and where the pointer rests then, in the program's own hint window
/// once one is set; a widget without one shows none. Once a session-end handler is set, the
/// session manager's commit request and the termination signals call it once and then end the
/// process through `endProcess`, whatever loop is running. The application is idle when the GUI thread's event dispatcher is
/// about to block.
class QtApplicationHooks final : public QObject, public ApplicationHooks
{
public:
    explicit QtApplicationHooks(std::function<void(int status)> endProcess = endProcessNow);
    ~QtApplicationHooks() override;
    Q_DISABLE_COPY_MOVE(QtApplicationHooks)

    void setActivationHandler(std::function<void()> handler) override;
    void setHintTiming(int pauseMs, int hidePauseMs) override;
    void setIdleHandler(std::function<void()> handler) override;
    void bringActiveWindowToFront() override;
    void setSessionEndHandler(std::function<bool()> handler) override;
    void setHintWindowClass(HintWindowClass windowClass) override;
    void setShowHintHandler(ShowHintHandler handler) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void endSession();
    bool passedOn(const QWidget *widget, QPoint globalPos) const;
    void showHint(QWidget *control, QPoint cursor);
    void releaseHint();

    std::function<void()> m_activate;
    std::function<void()> m_idle;
    std::function<bool()> m_sessionEnd;
    std::function<void(int)> m_endProcess;
    std::unique_ptr<TerminationSignals> m_signals; // from the first session-end handler on
    bool m_sessionEnded = false;
    int m_hidePauseMs = -1; // Qt's own length-based duration until set
    HintWindowClass m_hintWindowClass;
    ShowHintHandler m_showHint;
    std::unique_ptr<HintWindow> m_hintWindow; // made from the class at the first tip
    QPointer<QWidget> m_hintControl; // the control whose tip shows, until it hides
    QPointer<QWidget> m_tippedControl; // the control whose tip showed, until the pointer leaves
    QPointer<QWidget> m_tipRequest; // the control the last tool-tip request was for
    QPoint m_tipRequestAt; // and the pointer's screen position then
    QTimer m_hideTimer;
};

} // namespace lw::platform
