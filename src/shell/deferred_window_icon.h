#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace lw::shell {

/// Gives a window the program's icon once the window has first been painted. Looking the icon
/// up in the desktop's theme and decoding its renderings takes longer than building the whole
/// window, and nobody sees the icon before the window itself.
class DeferredWindowIcon final : public QObject
{
    Q_OBJECT

public:
    /// Watches the window from its next show on; owned by the window.
    explicit DeferredWindowIcon(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setIconAfterThisPaint();

    QWidget &m_window;
    QPointer<QWindow> m_surface; // the window's native surface once it is shown
};

} // namespace lw::shell
