#include "shell/fixed_dialog.h"

#include <QKeyEvent>

namespace lw::shell {

FixedDialog::FixedDialog(const QSize &client, QWidget *over, platform::WindowChrome &chrome)
    // The window over which it shows only makes it that window's transient; whoever shows the
    // dialog releases it.
    : QDialog(over,
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                    | Qt::MSWindowsFixedSizeDialogHint)
    , m_chrome(chrome)
{
    setFixedSize(client);
    // The button face as the window's own colour: the controls keep the window's text colour,
    // which a button background role would turn into the button text's.
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
}

void FixedDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        return; // no cancel button, so Escape has nothing to press
    QDialog::keyPressEvent(event);
}

// The native window exists from here on and is mapped only after this: the window manager
// reads the hints as it first frames the window.
void FixedDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        m_chrome.removeTitleBarButtons(winId());
    QDialog::showEvent(event);
}

void FixedDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        restoreWithTheWindowBelow();
}

// A window manager may minimise the window below along with the modal dialog, and nothing
// would then be left on the screen to return to: both come back.
void FixedDialog::restoreWithTheWindowBelow()
{
    if (QWidget *below = parentWidget(); below != nullptr && below->isMinimized())
        below->showNormal();
    showNormal();
    activateWindow();
}

} // namespace lw::shell
