#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>

#include "core/app_texts.h"
#include "core/maker_addresses.h"
#include "shell/main_fixture.h"
#include "support/row_printers.h"

using namespace lw::test;
using namespace Qt::StringLiterals;

namespace {

/// The window's status bar and notebook with real pointer moves, clicks and keys.
class MainStatusTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
        start();
    }

    /// Moves the pointer over a control and lets the queue fall idle, as after a real move.
    void pointAt(QWidget *control, QPoint at)
    {
        QTest::mouseMove(control, at);
        QCoreApplication::processEvents();
    }

    void pointAt(QWidget *control) { pointAt(control, control->rect().center()); }

    QString hintShown() const { return window->HintPanel->Text(); }

    /// A point inside a panel's drawn area.
    QPoint inside(const lw::shell::TabfStatusPanel *panel) const
    {
        return window->statusBar->panelRect(panel->Index()).center();
    }

    QPoint tabCentre(int index) const { return window->nbkMain->tabRect(index).center(); }

    const QString prompt = u"Click to visit "_s + lw::core::maker::SiteDomain;
};

TEST_F(MainStatusTest, ThePointerOverEachControlPutsItsLongHintIntoTheHintPanel)
{
    EXPECT_EQ(hintShown(), u"Visit "_s + lw::core::maker::SiteDomain) << "until the pointer moves";
    lw::shell::TfrmMain &w = *window;
    const QList<QWidget *> controls = { w.edtSalesPrice, w.edtDownPayment, w.edtActualLoan,
        w.edtInterestRate, w.rb15, w.rb20, w.rb30, w.edtMonthlyPI, w.edtAnnualTaxes,
        w.edtAnnualInsurance, w.edtMonthlyPITI, w.btnReset, w.btnExit };
    for (QWidget *control : controls) {
        pointAt(control);
        EXPECT_EQ(hintShown(), lw::core::hintLongPart(control->statusTip()))
                << control->statusTip().toStdString();
        EXPECT_FALSE(hintShown().isEmpty());
    }
    pointAt(w.findChild<QLabel *>(u"Label5"_s));
    EXPECT_EQ(hintShown(), QString()) << "a label and its parents have no hint";
}

TEST_F(MainStatusTest, EnteringTheBarShowsThePromptOnlyFromTheSecondMove)
{
    pointAt(window->edtAnnualTaxes);
    ASSERT_EQ(hintShown(), u"Enter your estimated annual taxes"_s);
    // The first move over the bar writes the prompt, then the hint change empties the panel.
    pointAt(window->statusBar, QPoint(40, 9));
    EXPECT_EQ(hintShown(), QString());
    pointAt(window->statusBar, QPoint(41, 9));
    EXPECT_EQ(hintShown(), prompt);
    EXPECT_EQ(window->statusBar->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainStatusTest, ThePromptAndTheHandEndNearTheWebPanelsRightEdge)
{
    pointAt(window->statusBar, QPoint(60, 9));
    pointAt(window->statusBar, QPoint(117, 9));
    EXPECT_EQ(window->statusBar->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(hintShown(), prompt);
    pointAt(window->statusBar, QPoint(121, 9));
    EXPECT_EQ(hintShown(), u"Brannock Software"_s);
}

struct WebClick
{
    const char *name;
    bool pressOnHintPanel;
    bool releaseOnHintPanel;
    Qt::MouseButton button;
    int opened;
};

LW_PRINT_ROW_NAME(WebClick)

std::string clickName(const ::testing::TestParamInfo<WebClick> &row)
{
    return row.param.name;
}

class MainWebPanelClickTest : public MainStatusTest, public ::testing::WithParamInterface<WebClick>
{
};

TEST_P(MainWebPanelClickTest, OnlyAReleaseOverTheWebPanelOpensTheSite)
{
    const WebClick click = GetParam();
    const auto at = [this](bool hintPanel) {
        return inside(hintPanel ? window->HintPanel : window->WebPanel);
    };
    QTest::mousePress(window->statusBar, click.button, {}, at(click.pressOnHintPanel));
    QTest::mouseMove(window->statusBar, at(click.releaseOnHintPanel));
    QTest::mouseRelease(window->statusBar, click.button, {}, at(click.releaseOnHintPanel));
    EXPECT_EQ(desktop.opened.size(), click.opened);
}

INSTANTIATE_TEST_SUITE_P(Releases, MainWebPanelClickTest,
        ::testing::Values(WebClick{ "LeftOnWeb", false, false, Qt::LeftButton, 1 },
                WebClick{ "RightOnWeb", false, false, Qt::RightButton, 1 },
                WebClick{ "FromHintToWeb", true, false, Qt::LeftButton, 1 },
                WebClick{ "FromWebToHint", false, true, Qt::LeftButton, 0 },
                WebClick{ "OnHint", true, true, Qt::LeftButton, 0 }),
        clickName);

TEST_F(MainStatusTest, DoubleClickOpensTheSiteTwiceAndTheMarginNever)
{
    const QStringList &opened = desktop.opened;
    const QRect web = window->statusBar->panelRect(window->WebPanel->Index());
    QTest::mouseClick(window->statusBar, Qt::LeftButton, {}, QPoint(web.left(), web.center().y()));
    QTest::mouseClick(window->statusBar, Qt::LeftButton, {}, QPoint(web.center().x(), web.top()));
    EXPECT_EQ(opened.size(), 0) << "the one-pixel margin belongs to no panel";
    // Through the window, so that the second press arrives as the double click it is.
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
            window->statusBar->mapTo(window.get(), inside(window->WebPanel)));
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(MainStatusTest, TheBarAndItsPanelsStandAsTheFormSays)
{
    EXPECT_EQ(window->statusBar->geometry(), QRect(0, 365, 657, 19));
    EXPECT_EQ(window->WebPanel->Width(), 120);
    EXPECT_EQ(window->HintPanel->Width(), 535) << "set when the bar got its size";
    EXPECT_EQ(window->WebPanel->Text(), lw::core::maker::SiteDomain);
    EXPECT_EQ(window->WebPanel->TextStyle().Alignment, lw::shell::TabfAlignment::Centre);
    EXPECT_FALSE(window->WebPanel->ParentFont());
    EXPECT_TRUE(window->WebPanel->Font().underline());
    EXPECT_TRUE(window->HintPanel->ParentFont());
    EXPECT_EQ(window->nbkMain->geometry(), QRect(0, 32, 657, 333));
    EXPECT_EQ(window->Page1->geometry(), window->nbkMain->pageArea());
    EXPECT_TRUE(window->Page1->isVisible());
    EXPECT_FALSE(window->Page2->isVisible());
    EXPECT_EQ(window->Panel3->geometry(), QRect(3, 3, 647, 300));
    EXPECT_EQ(window->imgScreenShot->geometry(), QRect(383, 12, 250, 181));
    EXPECT_EQ(window->imgScreenShot->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainStatusTest, LeavingAFieldByTheSecondTabRunsThePassBeforePageTwoShows)
{
    window->edtSalesPrice->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(window->edtSalesPrice, u"260000"_s);
    bool pageTwoShownDuringPass = true;
    QObject::connect(
            window->edtSalesPrice, &lw::numeric::TOvcNumericField::OnExit, window.get(), [&] {
                pageTwoShownDuringPass = window->Page2->isVisible();
            });
    QTest::mouseClick(window->nbkMain, Qt::LeftButton, {}, tabCentre(1));
    EXPECT_FALSE(pageTwoShownDuringPass);
    EXPECT_EQ(window->edtActualLoan->FloatValue(), 240000.0);
    EXPECT_TRUE(window->Page2->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->nbkMain) << "page 2 has no tab stops";
    QTest::keyClick(window->nbkMain, Qt::Key_Right);
    EXPECT_EQ(window->nbkMain->PageIndex(), 0) << "Right wraps";
    QTest::keyClick(window->nbkMain, Qt::Key_Left);
    EXPECT_EQ(window->nbkMain->PageIndex(), 1);
    QTest::mouseClick(window->nbkMain, Qt::LeftButton, {}, tabCentre(0));
    EXPECT_EQ(QApplication::focusWidget(), window->edtSalesPrice);
}

TEST_F(MainStatusTest, ARejectedEntryBringsTheCalculatorPageBackThenReports)
{
    window->edtInterestRate->field().setRangeHi(QStringLiteral("50")); // a rate that can fail
    window->edtInterestRate->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(window->edtInterestRate, u"60"_s);
    QTest::mouseClick(window->nbkMain, Qt::LeftButton, {}, tabCentre(1));
    QCoreApplication::processEvents(); // the field takes the focus back, then reports
    EXPECT_EQ(window->nbkMain->PageIndex(), 0);
    EXPECT_TRUE(window->edtInterestRate->hasFocus());
    EXPECT_EQ(feedback.errors, QStringList{ u"Value is not within required range"_s });
}

TEST_F(MainStatusTest, ResetReturnsToTheCalculatorPage)
{
    QTest::mouseClick(window->nbkMain, Qt::LeftButton, {}, tabCentre(1));
    ASSERT_EQ(window->nbkMain->PageIndex(), 1);
    window->btnReset->click();
    EXPECT_EQ(window->nbkMain->PageIndex(), 0);
    EXPECT_TRUE(window->edtSalesPrice->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->edtSalesPrice);
}

TEST_F(MainStatusTest, ScreenReadersFindTheTabsAndThePanels)
{
    const auto childNames = [](QWidget *widget, QAccessible::Role role) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        EXPECT_EQ(face->role(), role);
        QStringList names;
        for (int i = 0; i < face->childCount(); ++i) {
            // The pages follow the tabs, so that their controls stay reachable.
            if (face->child(i)->role() != QAccessible::Client)
                names << face->child(i)->text(QAccessible::Name);
        }
        return names;
    };
    EXPECT_EQ(childNames(window->nbkMain, QAccessible::PageTabList),
            (QStringList{ u"Loanwright"_s, u"Try Homestake Suite"_s }));
    EXPECT_EQ(childNames(window->statusBar, QAccessible::StatusBar),
            (QStringList{ lw::core::maker::SiteDomain.toString(), window->HintPanel->Text() }));
}

} // namespace
