#include "shell/fixed_dialog.h"

#include <QKeyEvent>

namespace lw::shell {

FixedDialog::FixedDialog(const QSize &client, QWidget *over)
    // The window over which it shows only makes it that window's transient; whoever shows the
    // dialog releases it.
    : QDialog(over,
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                    | Qt::MSWindowsFixedSizeDialogHint)
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

} // namespace lw::shell
