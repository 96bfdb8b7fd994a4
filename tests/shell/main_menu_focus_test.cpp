#include <QMenu>
#include <QMenuBar>

#include "shell/main_fixture.h"

using namespace lw::test;
using namespace Qt::StringLiterals;

namespace {

// A price typed but not yet read by any pass, with the menus reached from the keyboard.
class MenuFocusTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
        start();
        ASSERT_TRUE(window->edtSalesPrice->hasFocus());
        QTest::keyClicks(window->edtSalesPrice, u"250000"_s);
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : QApplication::focusWidget(), key, modifiers);
    }

    /// Opens File with Alt+F and closes it again with Escape until the field has the focus.
    void openAndLeaveTheFileMenu()
    {
        press(Qt::Key_F, Qt::AltModifier);
        ASSERT_EQ(QApplication::activePopupWidget(), window->menuBar()->actions().at(0)->menu())
                << "File is open";
        for (int i = 0; i < 3 && !window->edtSalesPrice->hasFocus(); ++i)
            press(Qt::Key_Escape);
    }

    void expectTheTypingUntouched()
    {
        EXPECT_TRUE(window->edtSalesPrice->hasFocus());
        EXPECT_EQ(window->edtSalesPrice->paintedText(), u"250,000"_s);
        EXPECT_EQ(window->edtActualLoan->paintedText(), u"80,000.00"_s) << "no pass ran";
        EXPECT_TRUE(feedback.errors.isEmpty());
    }
};

TEST_F(MenuFocusTest, TheMenuBarFromTheKeyboardIsNoExitAndEditingResumes)
{
    openAndLeaveTheFileMenu();
    expectTheTypingUntouched();
    QTest::keyClicks(window->edtSalesPrice, u"1"_s);
    EXPECT_EQ(window->edtSalesPrice->paintedText(), u"2,500,001"_s) << "the entry goes on";
}

TEST_F(MenuFocusTest, TappingAltIsNoExitEither)
{
    press(Qt::Key_Alt);
    ASSERT_TRUE(window->menuBar()->hasFocus()) << "the menu bar waits for a key";
    press(Qt::Key_Escape);
    expectTheTypingUntouched();
}

// The plain style marks the entry only while its menu is open.
TEST_F(MenuFocusTest, TheEntryTheKeyboardRestsOnIsHighlighted)
{
    QMenuBar *bar = window->menuBar();
    const QRect file = bar->actionGeometry(bar->actions().at(0));
    const QImage resting = bar->grab(file).toImage();
    press(Qt::Key_Alt);
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_NE(bar->grab(file).toImage(), resting);
}

TEST_F(MenuFocusTest, ExitFromTheKeyboardSavesTheValueFromBeforeTheTyping)
{
    press(Qt::Key_F, Qt::AltModifier);
    press(Qt::Key_X);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(savedLines().contains("SalesPrice=100000"));
}

TEST_F(MenuFocusTest, ClickingAnotherFieldFromTheMenuBarLeavesTheFieldThen)
{
    press(Qt::Key_Alt);
    QTest::mouseClick(window->edtDownPayment, Qt::LeftButton);
    EXPECT_TRUE(window->edtDownPayment->hasFocus());
    EXPECT_EQ(window->edtSalesPrice->paintedText(), u"250,000.00"_s);
    EXPECT_EQ(window->edtActualLoan->paintedText(), u"230,000.00"_s) << "the exit's pass ran";
}

// Alt+F while the bar already holds the focus made Qt's bar take itself for the control to
// give the focus back to. Keys as the desktop delivers them: to the window, which hands them
// to the open menu or to the focus.
TEST_F(MenuFocusTest, EscapeFromTheMenuBarEnteredTwiceGivesTheKeysBackToTheField)
{
    const auto deliver = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    };
    for (int opening = 0; opening < 2; ++opening) {
        deliver(Qt::Key_F, Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "File is open";
        deliver(Qt::Key_Escape);
    }
    deliver(Qt::Key_Escape);
    expectTheTypingUntouched();
    deliver(Qt::Key_1);
    EXPECT_EQ(window->edtSalesPrice->paintedText(), u"2,500,001"_s) << "the digit reached it";
}

} // namespace
