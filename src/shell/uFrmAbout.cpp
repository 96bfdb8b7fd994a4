#include "shell/uFrmAbout.h"

#include "core/app_texts.h"
#include "core/command_line.h"
#include "core/maker_addresses.h"
#include "shell/Main.h"
#include "shell/glyphs.h"
#include "shell/pixel_font.h"

namespace lw::shell {

TfrmAbout *frmAbout = nullptr;

namespace {

constexpr QSize ClientSize(447, 290);

// The texts the dialog shows; the legal notice says what License.txt says.
const QString Title = u" About " + core::applicationTitle();
const QString ProductName = QStringLiteral("Loanwright");
const QString Version = u"Version " + core::applicationVersion();
const QString CompileDate = QStringLiteral("Compiled February 11, 2010");
const QString Copyright = QStringLiteral("Copyright (c) 2010 Brannock Software");
const QString Rights = QStringLiteral("Released under the MIT License: see License.txt.");
const QString NoWarranty = QStringLiteral("Provided \"as is\", without warranty of any kind.");
const QString LicenceFile = QStringLiteral("License.txt");

QLabel *placeLabel(QWidget *dialog, const char16_t *name, QPoint at, const QString &text = {})
{
    auto *label = new QLabel(text, dialog); // owned by the dialog
    label->setObjectName(QString::fromUtf16(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton *placeButton(QWidget *dialog, const QString &caption, const QString &glyph,
        const QRect &bounds, const QString &hint)
{
    auto *button = new QPushButton(glyphIcon(glyph), caption, dialog); // owned by the dialog
    button->setGeometry(bounds);
    button->setIconSize(QSize(16, 16));
    button->setStatusTip(hint);
    return button;
}

void underlinedInBlue(url::TOvcURL *link, QFont font)
{
    font.setUnderline(true);
    link->setFont(font);
    link->setFontColor(Qt::blue);
}

} // namespace

TfrmAbout::TfrmAbout(TfrmMain &main, const core::ValueRecord &values,
        platform::DesktopShell &desktop, platform::UserFeedback &feedback,
        platform::WindowChrome &chrome)
    : FixedDialog(ClientSize, &main, chrome)
    , FMain(main)
    , FValues(values)
    , FDesktop(desktop)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    createGraphic();
    createIcon();
    createLabels();
    createLinks(feedback);
    createButtons();
    connectHandlers();
    FormCreate();
}

TfrmAbout::~TfrmAbout()
{
    // Nobody may reach a released dialog through the global.
    if (frmAbout == this)
        frmAbout = nullptr;
}

void TfrmAbout::createGraphic()
{
    pnlGraphic = new QFrame(this); // owned by the dialog
    pnlGraphic->setGeometry(8, 9, 431, 76);
    // Lowered outside, raised inside: an etched edge around the white panel.
    pnlGraphic->setFrameStyle(QFrame::Box | QFrame::Sunken);
    pnlGraphic->setAutoFillBackground(true);
    pnlGraphic->setBackgroundRole(QPalette::Base);
    QPalette white = pnlGraphic->palette();
    white.setColor(QPalette::Base, Qt::white);
    pnlGraphic->setPalette(white);
    pnlGraphic->setAccessibleName(QStringLiteral("Brannock Software"));
    imgLogo = new LinkPicture(QPixmap(QStringLiteral(":/pictures/brannock_logo.png")), pnlGraphic);
    imgLogo->move(5, 6);
    const QString hint = QStringLiteral("Click to visit our web site ...");
    imgLogo->setStatusTip(hint);
    imgLogo->setToolTip(hint); // one of the two controls of the dialog with a tooltip
    imgLogo->setAccessibleName(QStringLiteral("Brannock Software"));
    imgLogo->setAccessibleDescription(hint);
}

void TfrmAbout::createIcon()
{
    imgAboutIcon = new LinkPicture(applicationIcon().pixmap(32, 32), this); // owned by the dialog
    imgAboutIcon->move(15, 122);
    imgAboutIcon->setAccessibleName(ProductName);
}

void TfrmAbout::createLabels()
{
    // The first three get their texts when the dialog shows.
    lblTitle = placeLabel(this, u"lblTitle", { 56, 116 });
    lblVersion = placeLabel(this, u"lblVersion", { 56, 132 });
    lblCompileDate = placeLabel(this, u"lblCompileDate", { 56, 148 });
    lblCopyright = placeLabel(this, u"lblCopyright", { 13, 196 });
    lblRights = placeLabel(this, u"lblRights", { 13, 212 });
    Label1 = placeLabel(this, u"Label1", { 13, 228 }, NoWarranty);
}

void TfrmAbout::createLinks(platform::UserFeedback &feedback)
{
    urlHome = new url::TOvcURL(FDesktop, feedback, this); // owned by the dialog
    urlHome->setObjectName(QStringLiteral("urlHome"));
    urlHome->setCaption(core::maker::SiteDomain.toString()); // no address of its own
    urlHome->setGeometry(13, 257, 151, 16);
    underlinedInBlue(urlHome, pixelFont(QStringLiteral("Tahoma"), 13));
    const QString hint = QStringLiteral("Click Here to Visit Our Web Site ...");
    urlHome->setStatusTip(hint);
    urlHome->setToolTip(hint);
    urlAboutOnline = new url::TOvcURL(FDesktop, feedback, this); // owned by the dialog
    urlAboutOnline->setObjectName(QStringLiteral("urlAboutOnline"));
    urlAboutOnline->setCaption(QStringLiteral("UrlAboutOnline"));
    urlAboutOnline->setGeometry(297, 94, 83, 14);
    QFont bold = pixelFont(QStringLiteral("Arial"), 11);
    bold.setBold(true);
    underlinedInBlue(urlAboutOnline, bold);
    urlAboutOnline->hide();
}

void TfrmAbout::createButtons()
{
    // OK first: it is the first tab stop and has the focus when the dialog opens.
    btnClose = placeButton(this, QStringLiteral("&OK"), QStringLiteral("ok"),
            QRect(357, 252, 80, 26), QStringLiteral("Close About Window"));
    btnShowLicense = placeButton(this, QStringLiteral("Read &License"), QStringLiteral("license"),
            QRect(196, 252, 103, 26), QStringLiteral("Show Software License ..."));
    setTabOrder(btnClose, btnShowLicense);
    btnClose->setFocus(Qt::OtherFocusReason);
}

void TfrmAbout::connectHandlers()
{
    const auto goOnlineFrom = [this](QObject *sender) {
        return [this, sender] {
            FMain.guarded([this, sender] {
                GoOnlineAbout(sender);
            });
        };
    };
    connect(imgLogo, &LinkPicture::OnClick, this, goOnlineFrom(imgLogo));
    connect(imgAboutIcon, &LinkPicture::OnClick, this, goOnlineFrom(imgAboutIcon));
    connect(urlHome, &url::TOvcURL::OnClick, this, goOnlineFrom(urlHome));
    connect(imgLogo, &LinkPicture::OnMouseMove, this, &TfrmAbout::imgLogoMouseMove);
    connect(imgAboutIcon, &LinkPicture::OnMouseMove, this, &TfrmAbout::imgAboutIconMouseMove);
    connect(btnShowLicense, &QAbstractButton::clicked, this, [this] {
        FMain.guarded([this] {
            btnShowLicenseClick();
        });
    });
    connect(btnClose, &QAbstractButton::clicked, this, &TfrmAbout::btnCloseClick);
}

void TfrmAbout::FormCreate()
{
    FMain.CenterForm(*this);
}

void TfrmAbout::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    FormShow();
}

void TfrmAbout::FormShow()
{
    setWindowTitle(Title);
    lblVersion->setText(Version);
    lblCompileDate->setText(CompileDate);
    lblCopyright->setText(Copyright);
    lblRights->setText(Rights);
    lblTitle->setText(ProductName);
    for (QLabel *label : { lblTitle, lblVersion, lblCompileDate, lblCopyright, lblRights })
        label->adjustSize();
}

void TfrmAbout::GoOnlineAbout(QObject *Sender)
{
    if (Sender == imgAboutIcon || Sender == imgLogo || Sender == urlHome)
        urlAboutOnline->setURL(core::maker::SiteRoot + FValues.FRefTag);
    urlAboutOnline->Click();
}

void TfrmAbout::imgLogoMouseMove()
{
    imgLogo->setCursor(Qt::PointingHandCursor);
}

void TfrmAbout::imgAboutIconMouseMove()
{
    imgAboutIcon->setCursor(Qt::PointingHandCursor);
}

void TfrmAbout::btnShowLicenseClick()
{
    // By the program's folder, never the working folder. Whatever the desktop makes of a
    // missing file is all the user sees: the answer is not looked at.
    static_cast<void>(FDesktop.open(FValues.FProgramFolder + LicenceFile, {}));
}

void TfrmAbout::btnCloseClick()
{
    close();
}

} // namespace lw::shell
