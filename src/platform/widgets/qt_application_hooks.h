#pragma once

#include <functional>

#include <QObject>

#include "platform/application_hooks.h"

namespace lw::platform {

/// The hooks over the running QApplication: its state changes, and the tool-tip events of
/// every widget: a widget's own tooltip shows with the program's own delays, and a widget
/// without one shows none.
class QtApplicationHooks final : public QObject, public ApplicationHooks
{
public:
    QtApplicationHooks();
    ~QtApplicationHooks() override;
    Q_DISABLE_COPY_MOVE(QtApplicationHooks)

    void setActivationHandler(std::function<void()> handler) override;
    void setHintTiming(int pauseMs, int hidePauseMs) override;
    void bringActiveWindowToFront() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_activate;
    int m_hidePauseMs = -1; // Qt's own length-based duration until set
};

} // namespace lw::platform
