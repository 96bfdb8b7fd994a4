#include <QApplication>
#include <QMenu>
#include <QSignalSpy>

#include "field_fixture.h"

using lw::numeric::TOvcNumericField;
using lw::test::FieldForm;

namespace {

class FocusTest : public FieldForm
{
protected:
    // The range is not the calculator's: it lets a number fail validation.
    void limitPriceToPercent()
    {
        price->setFloatValue(50);
        price->field().setRangeLo(QStringLiteral("0"));
        price->field().setRangeHi(QStringLiteral("100"));
    }

    /// What happened in which order, as the window would see it.
    QStringList events;
};

QStringList menuItems(const QMenu &menu)
{
    QStringList items;
    for (const QAction *action : menu.actions()) {
        if (!action->isSeparator())
            items << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
    }
    return items;
}

} // namespace

TEST_F(FocusTest, AFailedExitRunsTheExitFirstThenTakesTheFocusBackThenReports)
{
    limitPriceToPercent();
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("150"));
    QObject::connect(price, &TOvcNumericField::OnExit, price, [&] {
        events << QStringLiteral("exit value %1, focus on %2, %3 boxes")
                          .arg(price->FloatValue())
                          .arg(rate->hasFocus() ? QStringLiteral("rate") : QStringLiteral("other"))
                          .arg(feedback.errors.size());
    });
    QTest::keyClick(price, Qt::Key_Tab);
    QApplication::processEvents();

    EXPECT_EQ(events, QStringList({ QStringLiteral("exit value 0, focus on rate, 0 boxes") }));
    EXPECT_TRUE(price->hasFocus());
    EXPECT_EQ(price->paintedText(), QStringLiteral("150"));
    EXPECT_EQ(
            feedback.errors, QStringList({ QStringLiteral("Value is not within required range") }));
}

TEST_F(FocusTest, TheControlLeftOnTheWayBackIsNotValidatedButExits)
{
    limitPriceToPercent();
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("150"));
    QSignalSpy rateExits(rate, &TOvcNumericField::OnExit);
    QTest::keyClick(price, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(rateExits.count(), 1);
    EXPECT_EQ(feedback.errors.size(), 1);

    // Corrected, the value passes and the next exit reports nothing.
    QTest::keyClick(price, Qt::Key_Backspace);
    QTest::keyClick(price, Qt::Key_Backspace);
    QTest::keyClick(price, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(rate->hasFocus());
    EXPECT_EQ(price->paintedText(), QStringLiteral("1.00"));
    EXPECT_EQ(feedback.errors.size(), 1);
}

TEST_F(FocusTest, SoftValidationLetsTheUserLeaveAndPaintsTheError)
{
    limitPriceToPercent();
    price->field().setOptions(lw::numeric::TOvcEntryFieldOption::efoSoftValidation);
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("150"));
    QTest::keyClick(price, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(rate->hasFocus());
    EXPECT_TRUE(price->field().ErrorState());
    EXPECT_TRUE(feedback.errors.isEmpty());
    EXPECT_EQ(price->grab().toImage().pixelColor(8, 8), QColor(Qt::red));
}

TEST_F(FocusTest, LeavingForAnotherWindowDoesNotValidate)
{
    limitPriceToPercent();
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("150"));
    QSignalSpy exits(price, &TOvcNumericField::OnExit);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::processEvents();
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(feedback.errors.isEmpty());

    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(price->hasFocus());
    EXPECT_EQ(price->paintedText(), QStringLiteral("150"));
    QTest::keyClick(price, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(feedback.errors.size(), 1);
}

TEST_F(FocusTest, FocusBackGoesThroughTheShowHook)
{
    limitPriceToPercent();
    int shown = 0;
    price->showFieldHook = [&](TOvcNumericField &field) {
        EXPECT_EQ(&field, price);
        ++shown;
    };
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("150"));
    QTest::keyClick(price, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(shown, 1);
}

TEST_F(FocusTest, RightClickFocusesAndOffersTheFieldsOwnMenu)
{
    clipboard.content = QStringLiteral("12");
    QTest::mouseClick(price, Qt::RightButton, {}, QPoint(60, 11));
    EXPECT_TRUE(price->hasFocus());
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menuItems(*menu),
            QStringList({ QStringLiteral("&Restore (off)"), QStringLiteral("Cu&t"),
                    QStringLiteral("&Copy"), QStringLiteral("&Paste"), QStringLiteral("&Delete"),
                    QStringLiteral("Select &All (off)") }));
    menu->actions().at(3)->trigger(); // Copy
    EXPECT_EQ(clipboard.content, QStringLiteral("100,000.00"));
    menu->close();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(price->hasFocus());
    EXPECT_TRUE(price->field().hasSelection());
}

TEST_F(FocusTest, TheMenusDeleteEmptiesTheFieldWithoutTouchingTheClipboard)
{
    clipboard.content = QStringLiteral("keep");
    QTest::mouseClick(price, Qt::RightButton, {}, QPoint(60, 11));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->actions().at(5)->trigger(); // Delete
    menu->close();
    QApplication::processEvents();
    EXPECT_EQ(clipboard.content, QStringLiteral("keep"));
    EXPECT_EQ(price->paintedText(), QStringLiteral("0"));
    EXPECT_TRUE(price->field().Modified());
}
