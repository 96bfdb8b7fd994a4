#include "platform/widgets/qt_application_hooks.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QSessionManager>
#include <QToolTip>
#include <QWidget>

namespace lw::platform {

namespace {

// The delay before a tool-tip shows is a style hint in Qt.
class HintPauseStyle final : public QProxyStyle
{
public:
    explicit HintPauseStyle(int pauseMs)
        : m_pauseMs(pauseMs)
    { }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
            QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return m_pauseMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    int m_pauseMs;
};

} // namespace

QtApplicationHooks::QtApplicationHooks()
{
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive && m_activate)
                    m_activate();
            });
    qApp->installEventFilter(this);
}

QtApplicationHooks::~QtApplicationHooks()
{
    qApp->removeEventFilter(this);
}

void QtApplicationHooks::setActivationHandler(std::function<void()> handler)
{
    m_activate = std::move(handler);
}

void QtApplicationHooks::setHintTiming(int pauseMs, int hidePauseMs)
{
    QApplication::setStyle(new HintPauseStyle(pauseMs)); // the application owns its style
    m_hidePauseMs = hidePauseMs;
}

void QtApplicationHooks::bringActiveWindowToFront()
{
    if (QWidget *window = QApplication::activeWindow())
        window->raise();
}

void QtApplicationHooks::setSessionEndHandler(std::function<bool()> handler)
{
    m_sessionEnd = std::move(handler);
    if (m_signals)
        return;
    m_signals = std::make_unique<TerminationSignals>([this](int) {
        endSession();
    });
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
        endSession();
    });
#endif
}

void QtApplicationHooks::endSession()
{
    // A second signal while the first one is being handled changes nothing.
    if (m_sessionEnded)
        return;
    m_sessionEnded = true;
    const bool saved = !m_sessionEnd || m_sessionEnd();
    // exit, not quit: quit would first ask every window to close, and a close may ask the user.
    QCoreApplication::exit(saved ? 0 : 1);
}

bool QtApplicationHooks::eventFilter(QObject *watched, QEvent *event)
{
    // Every event of the application passes here: the cheap test of its type comes first.
    if (event->type() != QEvent::ToolTip)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr)
        return false;
    // Only a control with a tooltip of its own shows one; the others show none, even those
    // that would draw tips of their own.
    if (widget->toolTip().isEmpty())
        return true;
    const auto *help = static_cast<QHelpEvent *>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, m_hidePauseMs);
    return true;
}

} // namespace lw::platform
