#include <QPointer>
#include <QScopeGuard>

#include "core/dialog_placement.h"
#include "shell/Main.h"
#include "shell/uFrmAbout.h"
#include "shell/uFrmDisclaim.h"

namespace lw::shell {

namespace {

/// The size of a dialog with its frame. Not shown yet, it has none: the window manager will
/// give it the frame it gave the main window.
QSize outerSize(const QWidget &dialog, const QWidget &main)
{
    const QRect frame = main.frameGeometry();
    const QRect client = main.geometry();
    return dialog.size().grownBy(QMargins(client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()));
}

/// Shows the dialog `create` makes modally, centred over `main` as it stood before, negative
/// coordinates and all; releases it afterwards whatever happens.
template <typename Create>
void showCentredOver(QWidget &main, Create &&create)
{
    const QRect bounds = main.frameGeometry();
    main.repaint(); // what the dialog covers is current before it appears
    const QPointer<QDialog> dialog = create();
    // Destroyed once control is back in the event loop, never inside its own handlers. A
    // dialog that frees itself when closed may be gone already; then there is nothing left.
    const auto release = qScopeGuard([&dialog] {
        if (dialog)
            dialog->deleteLater();
    });
    dialog->move(core::centredOver(bounds, outerSize(*dialog, main)));
    dialog->exec();
}

} // namespace

void TfrmMain::connectDialogs()
{
    const auto showAbout = [this] {
        guarded([this] {
            ShowAbout();
        });
    };
    connect(btnAbout, &QAbstractButton::clicked, this, showAbout);
    for (QAction *entry : { About1, mnuPopAbout })
        connect(entry, &QAction::triggered, this, showAbout);
    connect(mnuHelpDisclaimer, &QAction::triggered, this, [this] {
        guarded([this] {
            ShowDisclaimer();
        });
    });
}

void TfrmMain::ShowAbout()
{
    showCentredOver(*this, [this] {
        return frmAbout = new TfrmAbout(*this, FValues, FServices.desktop, FServices.feedback);
    });
}

void TfrmMain::ShowDisclaimer()
{
    showCentredOver(*this, [this] {
        return frmDisclaim = new TfrmDisclaim(*this, FServices.desktop);
    });
}

void TfrmMain::CenterForm(QWidget &Form) const
{
    Form.move(core::centredNotBeforeOrigin(frameGeometry(), outerSize(Form, *this)));
}

} // namespace lw::shell
