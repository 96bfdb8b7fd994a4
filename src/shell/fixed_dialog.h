#pragma once

#include <QDialog>

#include "platform/window_chrome.h"

namespace lw::shell {

/// A dialog of fixed client size on the button face, with a title but no title-bar buttons.
/// It closes only through its own button: Escape does nothing, while a close request that a
/// window manager offers anyway closes it as that button does, and a minimise it offers anyway
/// is undone, so nobody is ever trapped and the program never vanishes behind it.
class FixedDialog : public QDialog
{
    Q_OBJECT

public:
    Q_DISABLE_COPY_MOVE(FixedDialog)

protected:
    /// `chrome` asks the window manager for the bare title bar; it must outlive the dialog.
    FixedDialog(const QSize &client, QWidget *over, platform::WindowChrome &chrome);
    ~FixedDialog() override = default;

    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void restoreWithTheWindowBelow();

    platform::WindowChrome &m_chrome;
};

} // namespace lw::shell
