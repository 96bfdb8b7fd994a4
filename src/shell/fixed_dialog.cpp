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
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void FixedDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        return; // no cancel button, so Escape has nothing to press
    QDialog::keyPressEvent(event);
}

} // namespace lw::shell
