#include "platform/widgets/qt_application_hooks.h"

#include <cstdio>
#include <cstdlib>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QSessionManager>
#include <QToolTip>
#include <QWidget>

namespace lw::platform {

namespace {

// The delay before a tool-tip shows is a style hint in Qt. Over the application's own style:
// a proxy without one would fall back to the desktop's.
class HintPauseStyle final : public QProxyStyle
{
public:
    HintPauseStyle(QStyle *base, int pauseMs)
        : QProxyStyle(base)
        , m_pauseMs(pauseMs)
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

// The tool-tip shows the part of a hint before its first bar; the rest is for the status bar.
QString hintShortPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

// Below the pointer, where the toolkit puts its own tips.
const QPoint hintOffset(2, 16);

bool hidesHint(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
        return true;
    default:
        return false;
    }
}

} // namespace

void endProcessNow(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

QtApplicationHooks::QtApplicationHooks(std::function<void(int status)> endProcess)
    : m_endProcess(std::move(endProcess))
{
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &QtApplicationHooks::releaseHint);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive && m_activate)
                    m_activate();
            });
    qApp->installEventFilter(this);
    // The dispatcher blocks only once the posted events are done, and every loop on the GUI
    // thread, modal dialogs' included, goes through it.
    connect(QAbstractEventDispatcher::instance(qApp->thread()),
            &QAbstractEventDispatcher::aboutToBlock, this, [this] {
                if (m_idle)
                    m_idle();
            });
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
    // The application owns its style, and the new one the style it wraps.
    QApplication::setStyle(new HintPauseStyle(QApplication::style(), pauseMs));
    m_hidePauseMs = hidePauseMs;
}

void QtApplicationHooks::setIdleHandler(std::function<void()> handler)
{
    m_idle = std::move(handler);
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
    // Not exit(): it ends only the innermost loop, so a session that ends inside a modal box or
    // before the main loop would go on. Not quit(): it asks every window to close, and a close
    // may ask the user. Once saved, nothing is left to keep.
    m_endProcess(saved ? 0 : 1);
}

void QtApplicationHooks::setHintWindowClass(HintWindowClass windowClass)
{
    releaseHint();
    m_hintWindow.reset(); // the next tip makes a window of the new class
    m_hintWindowClass = std::move(windowClass);
}

void QtApplicationHooks::setShowHintHandler(ShowHintHandler handler)
{
    m_showHint = std::move(handler);
}

bool QtApplicationHooks::eventFilter(QObject *watched, QEvent *event)
{
    // Every event of the application passes here: the cheap tests of its type come first.
    const QEvent::Type type = event->type();
    if (m_hintControl && (hidesHint(type) || (type == QEvent::Leave && watched == m_hintControl)))
        releaseHint();
    if (type == QEvent::Leave && watched == m_tippedControl)
        m_tippedControl = nullptr; // the next entry shows the tip again
    if (type != QEvent::ToolTip)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr)
        return false;
    // Never left accepted: Qt takes an accepted request for a shown tip and lets every tip in
    // the next two seconds skip the pause. Unaccepted, the request goes on to the parents.
    event->ignore();
    const auto *help = static_cast<QHelpEvent *>(event);
    if (passedOn(widget, help->globalPos()))
        return true;
    m_tipRequest = widget;
    m_tipRequestAt = help->globalPos();
    // Only a control with a tooltip of its own shows one, once each time the pointer enters
    // it; the others show none, even those that would draw tips of their own.
    if (widget->toolTip().isEmpty() || widget == m_tippedControl)
        return true;
    m_tippedControl = widget;
    if (!m_hintWindowClass)
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, m_hidePauseMs);
    else
        showHint(widget, help->globalPos());
    return true;
}

// Qt hands an unaccepted request on to each parent in turn, at the same pointer position.
bool QtApplicationHooks::passedOn(const QWidget *widget, QPoint globalPos) const
{
    return m_tipRequest && globalPos == m_tipRequestAt && widget->isAncestorOf(m_tipRequest);
}

void QtApplicationHooks::showHint(QWidget *control, QPoint cursor)
{
    QString text = hintShortPart(control->toolTip());
    HintInfo info;
    info.control = control;
    info.position = cursor + hintOffset;
    const QScreen *screen = control->screen();
    info.maxWidth = screen != nullptr ? screen->geometry().width() : 0;
    bool canShow = true;
    if (m_showHint)
        m_showHint(text, canShow, info);
    if (!canShow || text.isEmpty())
        return;
    if (!m_hintWindow)
        m_hintWindow = m_hintWindowClass();
    m_hintWindow->activateHint(QRect(info.position, QSize(0, 0)), text, info);
    m_hintControl = control;
    if (m_hidePauseMs >= 0)
        m_hideTimer.start(m_hidePauseMs);
}

void QtApplicationHooks::releaseHint()
{
    m_hideTimer.stop();
    m_hintControl = nullptr;
    if (m_hintWindow)
        m_hintWindow->releaseHint();
}

} // namespace lw::platform
