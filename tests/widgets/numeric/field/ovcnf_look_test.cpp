#include <cstdlib>

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QDir>
#include <QImage>

#include "field_fixture.h"

using lw::test::FieldForm;

namespace {

using LookTest = FieldForm;

// A look aid: with LW_GRAB_DIR set, the pictures are kept for a person to open.
void keep(const QImage &image, const QString &name)
{
    const QString dir = qEnvironmentVariable("LW_GRAB_DIR");
    if (!dir.isEmpty())
        image.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

// Counts the pixels near a colour, to find text and fills without trusting exact glyphs.
int countPixels(const QImage &image, const QColor &colour, int tolerance = 0)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const bool near = std::abs(pixel.red() - colour.red()) <= tolerance
                    && std::abs(pixel.green() - colour.green()) <= tolerance
                    && std::abs(pixel.blue() - colour.blue()) <= tolerance;
            count += near ? 1 : 0;
        }
    }
    return count;
}

} // namespace

TEST_F(LookTest, AutoSizeTakesTheFontHeightPlusTheEdge)
{
    EXPECT_EQ(price->height(), price->fontMetrics().height() + 8);
    QFont bigger = price->font();
    bigger.setPixelSize(20);
    price->setFont(bigger);
    EXPECT_EQ(price->height(), price->fontMetrics().height() + 8);
}

TEST_F(LookTest, TextStandsRightAlignedOneMarginInside)
{
    const QRect text = price->textRect();
    EXPECT_EQ(text.right() + 1, price->width() - 2 - price->TextMargin() - 1);
    EXPECT_EQ(text.width(), price->fontMetrics().horizontalAdvance(QStringLiteral("100,000.00")));
}

TEST_F(LookTest, SelectedTextIsPaintedInTheHighlightColours)
{
    tabIntoPrice();
    const QImage image = price->grab().toImage();
    keep(image, QStringLiteral("money-selected"));
    const QColor highlight = price->palette().color(QPalette::Active, QPalette::Highlight);
    const QRect text = price->textRect();
    EXPECT_EQ(image.pixelColor(text.left(), text.top()), highlight);
    EXPECT_GT(countPixels(image, highlight), text.width() * text.height() / 2);
}

TEST_F(LookTest, EditingShowsTheCaretAfterTheLastDigit)
{
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("1234.5"));
    keep(price->grab().toImage(), QStringLiteral("money-editing"));
    const QRect caret = price->caretRect();
    EXPECT_EQ(caret.left(), price->textRect().right() + 1);
    EXPECT_EQ(caret.width(), 2); // insert mode: a vertical line

    QTest::keyClick(price, Qt::Key_Insert);
    EXPECT_FALSE(price->field().InsertMode());
    EXPECT_EQ(price->caretRect().width(), price->fontMetrics().horizontalAdvance(u'5'));
    QTest::keyClick(price, Qt::Key_Tab);

    // The mode is shared: the next field starts in overwrite mode too.
    rate->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(rate->field().InsertMode());
    QTest::keyClicks(rate, QStringLiteral("7.25"));
    keep(rate->grab().toImage(), QStringLiteral("rate-editing"));
    QTest::keyClick(rate, Qt::Key_Insert);
}

TEST_F(LookTest, DisabledFieldsPaintGreyTextOnTheWindowColourAndAreValid)
{
    price->setEnabled(false);
    const QImage image = price->grab().toImage();
    keep(image, QStringLiteral("money-disabled"));
    const QPalette palette = price->palette();
    EXPECT_EQ(image.pixelColor(4, 4), palette.color(QPalette::Active, QPalette::Base));
    EXPECT_GT(countPixels(image, palette.color(QPalette::Disabled, QPalette::Text)), 10);
    EXPECT_EQ(price->field().Validate(true), 0);
}

TEST_F(LookTest, ErrorStateIsPaintedBlackOnRed)
{
    price->field().setOptions(lw::numeric::TOvcEntryFieldOption::efoSoftValidation);
    price->field().setRangeHi(QStringLiteral("10"));
    ASSERT_TRUE(price->field().ErrorState());
    const QImage image = price->grab().toImage();
    keep(image, QStringLiteral("money-error"));
    EXPECT_EQ(image.pixelColor(4, 4), QColor(Qt::red));
    EXPECT_GT(countPixels(image, QColor(Qt::black), 80), 10); // antialiased glyphs
}

TEST_F(LookTest, ScreenReadersGetRoleNameAndTheShownValue)
{
    price->setAccessibleName(QStringLiteral("Home Price"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(price);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::EditableText);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Home Price"));
    QAccessibleTextInterface *text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("100,000.00"));

    tabIntoPrice();
    EXPECT_EQ(text->selectionCount(), 1);
    QTest::keyClicks(price, QStringLiteral("25"));
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("25"));
    EXPECT_EQ(text->cursorPosition(), 2);
    EXPECT_EQ(text->selectionCount(), 0);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("25"));
}
