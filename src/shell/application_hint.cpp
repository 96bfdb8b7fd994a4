#include "shell/application_hint.h"

#include <algorithm>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace lw::shell {

namespace {

QWidget *topLevelOf(const QWindow *window)
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    const auto found = std::find_if(tops.begin(), tops.end(), [window](const QWidget *top) {
        return top->windowHandle() == window;
    });
    return found == tops.end() ? nullptr : *found;
}

QString hintOf(const QWidget *control)
{
    for (; control; control = control->parentWidget()) {
        if (!control->statusTip().isEmpty())
            return control->statusTip();
    }
    return {};
}

} // namespace

ApplicationHint::ApplicationHint(QObject *parent)
    : QObject(parent)
{
    // A zero timer fires once the queue has handled the move and whatever it posted.
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &ApplicationHint::readHint);
    qApp->installEventFilter(this);
}

ApplicationHint::~ApplicationHint()
{
    qApp->removeEventFilter(this);
}

bool ApplicationHint::eventFilter(QObject *watched, QEvent *event)
{
    // Every pointer move reaches the window under the pointer before any of its widgets.
    if (watched->isWindowType()) {
        if (event->type() == QEvent::MouseMove) {
            m_window = static_cast<QWindow *>(watched);
            m_position = static_cast<QMouseEvent *>(event)->position().toPoint();
            m_idle.start();
        } else if (event->type() == QEvent::Leave && watched == m_window) {
            m_window = nullptr;
            m_idle.start();
        }
    }
    return false;
}

void ApplicationHint::readHint()
{
    QWidget *top = m_window ? topLevelOf(m_window) : nullptr;
    QWidget *control = top ? top->childAt(m_position) : nullptr;
    const QString hint = hintOf(control ? control : top);
    if (hint == m_hint)
        return;
    m_hint = hint;
    Q_EMIT hintChanged(m_hint);
}

} // namespace lw::shell
