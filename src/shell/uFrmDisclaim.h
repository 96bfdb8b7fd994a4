// uFrmDisclaim: TfrmDisclaim, the Disclaimer dialog.
#pragma once

#include <QToolButton>

#include "platform/desktop_shell.h"
#include "shell/fixed_dialog.h"
#include "widgets/html/HTMLabel.h"

namespace lw::shell {

class TfrmMain;

/// Warns that the calculations come without warranty. Made anew for every showing; closing
/// it releases it.
class TfrmDisclaim final : public FixedDialog
{
    Q_OBJECT

public:
    /// `main` centres the dialog; both services must outlive it.
    TfrmDisclaim(TfrmMain &main, platform::DesktopShell &desktop, platform::WindowChrome &chrome);
    ~TfrmDisclaim() override;
    Q_DISABLE_COPY_MOVE(TfrmDisclaim)

    /// The label's text: one centred paragraph with a bold middle.
    static QString disclaimerMarkup();

    // Handlers, named as the form's controls know them.
    void FormCreate();
    void btnCloseClick();
    void FormClose(QCloseEvent *event);
    void FormDestroy();

    html::THTMLabel *HTMLabel1 = nullptr;
    QToolButton *btnClose = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createLabel(platform::DesktopShell &desktop);
    void createButton();

    TfrmMain &FMain;
};

/// The Disclaimer dialog while one exists.
extern TfrmDisclaim *frmDisclaim;

} // namespace lw::shell
