#pragma once

#include <QDialog>

namespace lw::shell {

/// A dialog of fixed client size on the button face, with a title but no title-bar buttons.
/// It closes only through its own button: Escape does nothing, while a close request that a
/// window manager offers anyway closes it as that button does, so nobody is ever trapped.
class FixedDialog : public QDialog
{
    Q_OBJECT

public:
    Q_DISABLE_COPY_MOVE(FixedDialog)

protected:
    FixedDialog(const QSize &client, QWidget *over);
    ~FixedDialog() override = default;

    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace lw::shell
