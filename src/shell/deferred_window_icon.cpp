#include "shell/deferred_window_icon.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

#include "shell/glyphs.h"

namespace lw::shell {

DeferredWindowIcon::DeferredWindowIcon(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    m_window.installEventFilter(this);
}

bool DeferredWindowIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Show && !m_surface) {
        // The surface exists from the first show on; its expose is what gets painted.
        m_surface = m_window.windowHandle();
        if (m_surface)
            m_surface->installEventFilter(this);
    } else if (watched == m_surface && event->type() == QEvent::Expose && m_surface->isExposed()) {
        setIconAfterThisPaint();
    }
    return QObject::eventFilter(watched, event);
}

void DeferredWindowIcon::setIconAfterThisPaint()
{
    m_window.removeEventFilter(this);
    m_surface->removeEventFilter(this);
    // The paint of this expose runs before the event loop takes up posted work.
    QTimer::singleShot(0, this, [this] {
        m_window.setWindowIcon(applicationIcon());
        deleteLater();
    });
}

} // namespace lw::shell
