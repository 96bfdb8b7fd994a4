#include <QLayout>
#include <QScreen>

#include "core/app_texts.h"
#include "core/maker_addresses.h"
#include "platform/gui/colour.h"
#include "platform/gui/form_fonts.h"
#include "platform/gui/palette_colour.h"
#include "shell/Main.h"
#include "shell/deferred_window_icon.h"
#include "shell/glyphs.h"
#include "shell/pixel_font.h"
#include "shell/product_page_texts.h"

namespace lw::shell {

namespace {

constexpr int ClientWidth = 657;
constexpr int ClientHeight = 384;
constexpr int TopPanelHeight = 32;
constexpr int PageHeight = 333; // between the top panel and the status bar
constexpr int StatusBarHeight = 19;
constexpr int FieldX = 339;
constexpr int FieldWidth = 123;
constexpr int FieldHeight = 23;
constexpr int LabelHeight = 15;
constexpr int SummaryX = 152;

constexpr platform::Colour White = platform::rgbColour(255, 255, 255);
constexpr platform::Colour Yellow = platform::rgbColour(255, 255, 0);
constexpr platform::Colour Blue = platform::rgbColour(0, 0, 255);

const QString MoneyMask = QStringLiteral("###,###,###.##");
const QString RateMask = QStringLiteral("###.####");

struct LabelPlace
{
    const char16_t *name;
    const char16_t *text;
    int x;
    int y;
    int width;
};

// Right-aligned, ending at the fields' left edge.
constexpr LabelPlace Labels[] = {
    { u"lbl1", u"Home Sales Price", 234, 15, 100 },
    { u"Label5", u"Your Down Payment $", 213, 38, 121 },
    { u"lbl3", u"Your Actual Loan Amount", 197, 64, 137 },
    { u"Label6", u"Annual Interest Rate %", 210, 89, 125 },
    { u"Label11", u"Term of Mortgage in Years", 190, 114, 144 },
    { u"Label2", u"Your Monthly Principal and Interest Payment", 95, 139, 239 },
    { u"Label12", u"Estimated Annual Taxes", 201, 162, 133 },
    { u"Label13", u"Estimated Annual Insurance", 177, 187, 155 },
    { u"Label4", u"Total Monthly Payment (PITI)", 180, 211, 154 },
};

} // namespace

void TfrmMain::createWindow()
{
    platform::substituteFormFonts();
    setWindowTitle(QStringLiteral("Loanwright"));
    new DeferredWindowIcon(*this); // owned by the window
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(pixelFont(QStringLiteral("Arial"), 12));
    auto *client = new QWidget(this); // owned by the window
    client->setFixedSize(ClientWidth, ClientHeight);
    client->setAutoFillBackground(true);
    client->setBackgroundRole(QPalette::Button);
    setCentralWidget(client);
    createTopPanel(client);
    createNotebook(client);
    createStatusBar(client);
    createMainMenu();
    createContextMenu();
    createHintComponent();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void TfrmMain::createTopPanel(QWidget *client)
{
    pnlTop = new QFrame(client); // owned by the client area
    pnlTop->setGeometry(0, 0, ClientWidth, TopPanelHeight);
    pnlTop->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlTop->setAutoFillBackground(true);
    btnReset = createToolButton(3, QStringLiteral("Reset| Reset Default Values ..."),
            glyphIcon(QStringLiteral("reset")));
    btnUpdate = createToolButton(
            29, QStringLiteral(" Check for New Version ..."), glyphIcon(QStringLiteral("update")));
    btnHelp = createToolButton(55, QStringLiteral(" Help ..."), glyphIcon(QStringLiteral("help")));
    btnAbout =
            createToolButton(81, QStringLiteral(" About ..."), glyphIcon(QStringLiteral("about")));
    btnExit = createToolButton(625, QStringLiteral(" Exit"), glyphIcon(QStringLiteral("exit")));
    // Owned by the panel.
    UrlOnline = new url::TOvcURL(FServices.desktop, FServices.feedback, pnlTop);
    UrlOnline->setCaption(QStringLiteral("UrlOnline"));
    UrlOnline->setGeometry(198, 9, 43, 13);
    QFont urlFont = pixelFont(QStringLiteral("MS Sans Serif"), 11);
    urlFont.setUnderline(true);
    UrlOnline->setFont(urlFont);
    UrlOnline->setFontColor(Qt::blue);
    UrlOnline->hide();
}

QPushButton *TfrmMain::createToolButton(int x, const QString &hint, const QIcon &glyph)
{
    auto *button = new QPushButton(pnlTop); // owned by the panel
    button->setGeometry(x, 3, 26, 26);
    button->setIcon(glyph);
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    button->setStatusTip(hint);
    button->setAccessibleName(core::hintLongPart(hint).trimmed());
    return button;
}

void TfrmMain::createNotebook(QWidget *client)
{
    nbkMain = new TOvcNotebook(client); // owned by the client area
    nbkMain->setObjectName(QStringLiteral("nbkMain"));
    nbkMain->setGeometry(0, TopPanelHeight, ClientWidth, PageHeight);
    nbkMain->setActiveTabFont(pixelFont(QStringLiteral("Arial"), 12));
    nbkMain->setActiveTabFontColor(Blue);
    Page1 = nbkMain->addPage(QStringLiteral(" Loanwright "));
    Page1->setObjectName(QStringLiteral("Page1"));
    Page2 = nbkMain->addPage(QStringLiteral(" Try Homestake Suite  "));
    Page2->setObjectName(QStringLiteral("Page2"));
    createPage1();
    createPage2();
    nbkMain->loaded();
}

void TfrmMain::createPage1()
{
    const QList<QLabel *> labels = createLabels();
    edtSalesPrice = createField(12, MoneyMask, false, QStringLiteral("Enter the price of the home"),
            QStringLiteral("Home Sales Price"));
    edtDownPayment = createField(36, MoneyMask, false,
            QStringLiteral("Enter the amount you will pay as the down payment"),
            QStringLiteral("Your Down Payment"));
    edtActualLoan = createField(60, MoneyMask, true, QStringLiteral("The amount you will borrow"),
            QStringLiteral("Your Actual Loan Amount"));
    edtInterestRate =
            createField(84, RateMask, false, QStringLiteral("Enter the annual interest rate"),
                    QStringLiteral("Annual Interest Rate"));
    createTermGroup();
    edtMonthlyPI = createField(136, MoneyMask, true,
            QStringLiteral("Your calculated payment amount (P&I)"),
            QStringLiteral("Your Monthly Principal and Interest Payment"));
    edtAnnualTaxes =
            createField(160, MoneyMask, false, QStringLiteral("Enter your estimated annual taxes"),
                    QStringLiteral("Estimated Annual Taxes"));
    edtAnnualInsurance = createField(184, MoneyMask, false,
            QStringLiteral("Enter your estimated annual insurance premiums"),
            QStringLiteral("Estimated Annual Insurance"));
    edtMonthlyPITI = createField(208, MoneyMask, true,
            QStringLiteral("Your calculated payment amount (PITI)"),
            QStringLiteral("Total Monthly Payment (PITI)"));
    createSummary();
    setTabOrder();
    // Each label names the control to its right, for screen readers too.
    const QList<QWidget *> column = { edtSalesPrice, edtDownPayment, edtActualLoan, edtInterestRate,
        Panel1, edtMonthlyPI, edtAnnualTaxes, edtAnnualInsurance, edtMonthlyPITI };
    for (qsizetype row = 0; row < labels.size(); ++row)
        labels[row]->setBuddy(column[row]);
}

QList<QLabel *> TfrmMain::createLabels()
{
    QList<QLabel *> labels;
    for (const LabelPlace &place : Labels) {
        auto *label = new QLabel(QString::fromUtf16(place.text), Page1); // owned by the page
        label->setObjectName(QString::fromUtf16(place.name));
        label->setGeometry(place.x, place.y, place.width, LabelHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        labels << label;
    }
    return labels;
}

numeric::TOvcNumericField *TfrmMain::createField(
        int y, const QString &mask, bool isResult, const QString &hint, const QString &name)
{
    auto *edit = new numeric::TOvcNumericField(FEntryServices, Page1); // owned by the page
    numeric::NumericEntryField &model = edit->field();
    model.setDataType(numeric::TNumericDataType::nftDouble); // installs its own mask first
    model.setPictureMask(mask);
    model.setRangeLow(-1.7e308L);
    model.setRangeHigh(1.7e308L);
    model.setOptions({});
    // Fixed at the form's height: the substitute font is a pixel shorter than the original.
    edit->setAutoSize(false);
    edit->setGeometry(FieldX, y, FieldWidth, FieldHeight);
    edit->setColor(isResult ? Yellow : White);
    edit->setTabStop(!isResult);
    edit->setStatusTip(hint);
    edit->setAccessibleName(name);
    // A field that takes the focus back brings its page to the front first.
    edit->showFieldHook = [this](numeric::TOvcNumericField &field) {
        nbkMain->showControl(&field);
    };
    return edit;
}

void TfrmMain::createTermGroup()
{
    Panel1 = new QFrame(Page1); // owned by the page
    Panel1->setGeometry(FieldX, 110, FieldWidth, FieldHeight);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAccessibleName(QStringLiteral("Term of Mortgage in Years"));
    const QString hint = QStringLiteral("Choose the length of your mortgage in years");
    const auto makeButton = [&](const QString &caption, int x) {
        auto *button = new TermRadioButton(caption, Panel1); // owned by the group
        button->setGeometry(x, 3, 35, 17);
        button->setStatusTip(hint);
        button->setAccessibleName(caption + u" years");
        return button;
    };
    rb15 = makeButton(QStringLiteral("15"), 4);
    rb20 = makeButton(QStringLiteral("20"), 45);
    rb30 = makeButton(QStringLiteral("30"), 85);
    rb30->setChecked(true);
    syncTermFocus();
}

void TfrmMain::createSummary()
{
    Bevel1 = new BottomLineBevel(Page1); // owned by the page
    Bevel1->setGeometry(15, 232, 624, 9);
    // Placeholders until the first pass at start-up writes the sentences.
    lblSummary1 = new SummaryLabel(
            QStringLiteral("During the 30 years of your mortgage loan you will pay a total of"),
            Page1);
    lblSummary2 = new SummaryLabel(
            QStringLiteral("$XXX,XXX in interest, $XXXXX in taxes and $XXXXXX in insurance"),
            Page1);
    lblSummary3 =
            new SummaryLabel(QStringLiteral("premiums, for a total cost of $XXX,XXX."), Page1);
    lblSummary1->move(SummaryX, 249);
    lblSummary2->move(SummaryX, 267);
    lblSummary3->move(SummaryX, 284);
}

void TfrmMain::setTabOrder()
{
    // The result fields and the unchecked term buttons are no tab stops; their places in
    // the chain only matter for the order among the stops.
    QWidget::setTabOrder(edtSalesPrice, edtMonthlyPI);
    QWidget::setTabOrder(edtMonthlyPI, edtMonthlyPITI);
    QWidget::setTabOrder(edtMonthlyPITI, edtDownPayment);
    QWidget::setTabOrder(edtDownPayment, edtInterestRate);
    QWidget::setTabOrder(edtInterestRate, edtActualLoan);
    QWidget::setTabOrder(edtActualLoan, rb15);
    QWidget::setTabOrder(rb15, rb20);
    QWidget::setTabOrder(rb20, rb30);
    QWidget::setTabOrder(rb30, edtAnnualTaxes);
    QWidget::setTabOrder(edtAnnualTaxes, edtAnnualInsurance);
}

void TfrmMain::syncTermFocus()
{
    // The group is one tab stop: its checked button. The others still take a click.
    for (TermRadioButton *button : { rb15, rb20, rb30 })
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TfrmMain::createPage2()
{
    Panel3 = new QWidget(Page2); // owned by the page
    Panel3->setGeometry(3, 3, 647, 300);
    Panel3->setAutoFillBackground(true);
    Panel3->setBackgroundRole(QPalette::Base);
    HTMLabel3 = createProductLabel(
            QStringLiteral("HTMLabel3"), QRect(10, 12, 207, 20), productHeadingMarkup());
    HTMLabel2 = createProductLabel(
            QStringLiteral("HTMLabel2"), QRect(10, 40, 368, 177), productBodyMarkup());
    HTMLabel1 = createProductLabel(
            QStringLiteral("HTMLabel1"), QRect(10, 219, 629, 76), productContentsMarkup());
    imgScreenShot = new QLabel(Panel3); // owned by the panel
    imgScreenShot->setObjectName(QStringLiteral("imgScreenShot"));
    const QPixmap picture(QStringLiteral(":/pictures/homestake_screenshot.png"));
    imgScreenShot->setPixmap(picture);
    imgScreenShot->setGeometry(QRect(QPoint(383, 12), picture.size()));
    const QString hint = QStringLiteral("Click to go online and learn more about Homestake Suite");
    imgScreenShot->setStatusTip(hint);
    imgScreenShot->setToolTip(hint); // the one control of the window with a tooltip
    imgScreenShot->setAccessibleName(hint);
    // The hand tells that the picture is a link.
    imgScreenShot->setCursor(Qt::PointingHandCursor);
}

html::THTMLabel *TfrmMain::createProductLabel(
        const QString &name, const QRect &bounds, const QString &markup)
{
    auto *label = new html::THTMLabel(FServices.desktop, Panel3); // owned by the panel
    label->setObjectName(name);
    label->setGeometry(bounds);
    label->setTransparent(true);
    label->setLineWidth(0);
    label->setHTMLText({ markup });
    return label;
}

void TfrmMain::createHintComponent()
{
    HTMLHint1 = new html::THTMLHint(this, FServices.application); // owned by the window
    HTMLHint1->URLColor = platform::colourBlack;
}

void TfrmMain::createStatusBar(QWidget *client)
{
    statusBar = new TabfStatusBar(client); // owned by the client area
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->setGeometry(0, ClientHeight - StatusBarHeight, ClientWidth, StatusBarHeight);
    const QString site = core::maker::SiteDomain.toString();
    WebPanel = &statusBar->Panels().Add();
    WebPanel->setName(QStringLiteral("WebPanel"));
    WebPanel->setWidth(120);
    WebPanel->setBevel(TabfBevel::apbNone);
    QFont webFont = pixelFont(QStringLiteral("Arial"), 11);
    webFont.setUnderline(true);
    WebPanel->setFont(webFont);
    WebPanel->setFontColor(Blue);
    WebPanel->setTextStyle({ TabfAlignment::Centre, 0, site });
    WebPanel->setHint(u" Click to visit " + site);
    HintPanel = &statusBar->Panels().Add();
    HintPanel->setName(QStringLiteral("HintPanel"));
    HintPanel->setWidth(482);
    HintPanel->setText(u"Visit " + site);
}

} // namespace lw::shell
