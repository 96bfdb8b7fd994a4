#include "shell/uFrmDisclaim.h"

#include <QCloseEvent>

#include "shell/Main.h"
#include "shell/glyphs.h"
#include "shell/pixel_font.h"

namespace lw::shell {

TfrmDisclaim *frmDisclaim = nullptr;

TfrmDisclaim::TfrmDisclaim(
        TfrmMain &main, platform::DesktopShell &desktop, platform::WindowChrome &chrome)
    : FixedDialog(QSize(338, 133), &main, chrome)
    , FMain(main)
{
    setObjectName(QStringLiteral("frmDisclaim"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    setFont(pixelFont(QStringLiteral("Arial"), 12));
    QPalette buttonText = palette();
    buttonText.setColor(QPalette::WindowText, buttonText.color(QPalette::ButtonText));
    setPalette(buttonText);
    createLabel(desktop);
    createButton();
    FormCreate();
}

TfrmDisclaim::~TfrmDisclaim()
{
    FormDestroy();
}

QString TfrmDisclaim::disclaimerMarkup()
{
    // The doubled blanks are the text's own.
    return QStringLiteral("<P align=\"center\">"
                          "Though effort was made to ensure the accuracy of these calculations, "
                          "<b>"
                          "there is NO WARRANTY,  express or implied, for the accuracy or "
                          "applicability of this information to your particular financial "
                          "question."
                          "</b>"
                          "  Consult your financial advisor before making any financial decision."
                          "</P>");
}

void TfrmDisclaim::createLabel(platform::DesktopShell &desktop)
{
    HTMLabel1 = new html::THTMLabel(desktop, this); // owned by the dialog
    HTMLabel1->setObjectName(QStringLiteral("HTMLabel1"));
    HTMLabel1->setGeometry(4, 7, 330, 82);
    HTMLabel1->setTransparent(false);
    HTMLabel1->setLineWidth(0);
    HTMLabel1->setHTMLText({ disclaimerMarkup() });
}

void TfrmDisclaim::createButton()
{
    btnClose = new QToolButton(this); // owned by the dialog
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(251, 100, 76, 24);
    btnClose->setText(QStringLiteral(" &OK"));
    btnClose->setIcon(glyphIcon(QStringLiteral("ok")));
    btnClose->setIconSize(QSize(16, 16));
    btnClose->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnClose->setAutoRaise(true);
    btnClose->setFocusPolicy(Qt::NoFocus);
    btnClose->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    btnClose->setStatusTip(QStringLiteral("Close| Close Disclaimer"));
    btnClose->setAccessibleName(QStringLiteral("OK"));
    connect(btnClose, &QAbstractButton::clicked, this, &TfrmDisclaim::btnCloseClick);
}

void TfrmDisclaim::FormCreate()
{
    FMain.CenterForm(*this);
}

void TfrmDisclaim::btnCloseClick()
{
    close();
}

void TfrmDisclaim::closeEvent(QCloseEvent *event)
{
    FixedDialog::closeEvent(event);
    FormClose(event);
}

void TfrmDisclaim::FormClose(QCloseEvent *event)
{
    // Closing frees the dialog once control is back in the event loop. Whoever showed it
    // releases it too; the two requests destroy it once.
    if (event->isAccepted())
        deleteLater();
}

void TfrmDisclaim::FormDestroy()
{
    if (frmDisclaim == this)
        frmDisclaim = nullptr;
}

} // namespace lw::shell
