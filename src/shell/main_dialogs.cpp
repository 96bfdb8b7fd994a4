#include <QPointer>
#include <QScopeGuard>

#include "core/dialog_placement.h"
#include "shell/Main.h"
#include "shell/uFrmAbout.h"
#include "shell/uFrmDisclaim.h"
#include "shell/window_frame.h"

namespace lw::shell {

namespace {

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
    dialog->move(core::centredOver(bounds, framedSize(*dialog, main)));
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
        return frmAbout = new TfrmAbout(
                       *this, FValues, FServices.desktop, FServices.feedback, FServices.chrome);
    });
}

void TfrmMain::ShowDisclaimer()
{
    showCentredOver(*this, [this] {
        return frmDisclaim = new TfrmDisclaim(*this, FServices.desktop, FServices.chrome);
    });
}

void TfrmMain::CenterForm(QWidget &Form) const
{
    Form.move(core::centredNotBeforeOrigin(frameGeometry(), framedSize(Form, *this)));
}

} // namespace lw::shell
