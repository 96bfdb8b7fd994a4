// uFrmAbout: TfrmAbout, the About dialog.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/value_record.h"
#include "platform/desktop_shell.h"
#include "platform/user_feedback.h"
#include "shell/fixed_dialog.h"
#include "shell/link_picture.h"
#include "widgets/url/ovcurl.h"

namespace lw::shell {

class TfrmMain;

/// Names the program and its release, shows the maker's logo and legal notices, and opens the
/// maker's site and the licence installed beside the program. Made anew for every showing.
class TfrmAbout final : public FixedDialog
{
    Q_OBJECT

public:
    /// `main` centres the dialog and runs its handlers; `values` gives the program's folder
    /// and the referral tag. All must outlive the dialog.
    TfrmAbout(TfrmMain &main, const core::ValueRecord &values, platform::DesktopShell &desktop,
            platform::UserFeedback &feedback, platform::WindowChrome &chrome);
    ~TfrmAbout() override;
    Q_DISABLE_COPY_MOVE(TfrmAbout)

    // Handlers, named as the form's controls know them.
    void FormCreate();
    void FormShow();
    void GoOnlineAbout(QObject *Sender);
    void imgLogoMouseMove();
    void imgAboutIconMouseMove();
    void btnShowLicenseClick();
    void btnCloseClick();

    QFrame *pnlGraphic = nullptr;
    LinkPicture *imgLogo = nullptr;
    LinkPicture *imgAboutIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCompileDate = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *lblRights = nullptr;
    QLabel *Label1 = nullptr;
    url::TOvcURL *urlHome = nullptr;
    url::TOvcURL *urlAboutOnline = nullptr;
    QPushButton *btnShowLicense = nullptr;
    QPushButton *btnClose = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createGraphic();
    void createIcon();
    void createLabels();
    void createLinks(platform::UserFeedback &feedback);
    void createButtons();
    void connectHandlers();

    TfrmMain &FMain;
    const core::ValueRecord &FValues;
    platform::DesktopShell &FDesktop;
};

/// The About dialog while one is shown.
extern TfrmAbout *frmAbout;

} // namespace lw::shell
