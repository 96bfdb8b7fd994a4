#include <QFontMetrics>
#include <QImage>

#include "notebook_fixture.h"
#include "platform/gui/palette_colour.h"

using namespace lw::shell;
using lw::test::NotebookForm;

namespace {

class Look : public NotebookForm
{
protected:
    int lineHeight(const QFont &font) const { return QFontMetrics(font, notebook).height(); }

    int captionWidth(const QFont &font, const QString &caption) const
    {
        return QFontMetrics(font, notebook).horizontalAdvance(shownCaption(caption));
    }

    TabBox storedBox(int index) const
    {
        const QRect r = notebook->tabRect(index);
        return { r.left(), r.top(), r.left() + r.width(), r.top() + r.height() };
    }

    /// A palette colour as an 8-bit image stores it.
    QRgb system(lw::platform::Colour colour) const
    {
        return lw::platform::paletteColour(colour, notebook->palette()).rgb();
    }

    /// Pixels in rect whose colour matches.
    static int count(
            const QImage &image, const QRect &rect, const std::function<bool(QColor)> &match)
    {
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                n += match(image.pixelColor(x, y)) ? 1 : 0;
        }
        return n;
    }
};

bool isBlue(QColor c)
{
    return c.blue() > 150 && c.red() < 90 && c.green() < 90;
}

} // namespace

TEST_F(Look, TabsAndPagesFollowTheMeasuredFonts)
{
    QFont large = notebook->font();
    large.setPixelSize(17);
    notebook->setActiveTabFont(large);
    const int height = std::max(lineHeight(large), lineHeight(notebook->font())) + 4;
    EXPECT_EQ(notebook->TabHeight(), height);
    EXPECT_EQ(notebook->TabHeight(), lineHeight(large) + 4); // the larger font decides

    int x = 2;
    for (int i = 0; i < 2; ++i) {
        const QString caption = notebook->Pages(i)->Caption();
        const int width =
                std::max(captionWidth(large, caption), captionWidth(notebook->font(), caption))
                + 12;
        EXPECT_EQ(notebook->tabRect(i), QRect(x, 2, width, height)) << i;
        x += width;
    }
    const QRect area(1, height + 3, notebook->width() - 3, notebook->height() - height - 3 - 2);
    EXPECT_EQ(page1->geometry(), area);
    EXPECT_EQ(notebook->pageArea(), area);
}

TEST_F(Look, AHiddenTabTakesNoRoomAndANarrowNotebookWraps)
{
    const int height = notebook->TabHeight();
    const QRect second = notebook->tabRect(1);
    page1->setPageVisible(false);
    EXPECT_TRUE(notebook->tabRect(0).isEmpty());
    EXPECT_EQ(notebook->tabRect(1), second.translated(2 - second.left(), 0));

    page1->setPageVisible(true);
    notebook->resize(second.right() - 4, notebook->height()); // both no longer fit in W - 4
    EXPECT_EQ(notebook->tabRect(1), QRect(2, 2 + height, second.width(), height));
    EXPECT_EQ(page2->geometry().top(), 2 * height + 3);
}

TEST_F(Look, ActiveCaptionIsBlueTheOtherInButtonText)
{
    const QImage image = notebook->grab().toImage();
    const int h = notebook->TabHeight();
    const int lh = lineHeight(notebook->font());
    const QRect active = captionRect(storedBox(0), h, lh, true, notebook->width());
    const QRect other = captionRect(storedBox(1), h, lh, false, notebook->width());
    EXPECT_GT(count(image, active, isBlue), 10);
    EXPECT_EQ(count(image, other, isBlue), 0);
    const QRgb text = system(lw::platform::systemColour(lw::platform::SystemColour::ButtonText));
    EXPECT_GT(count(image, other,
                      [&](QColor c) {
                          return c.rgb() == text;
                      }),
            10);

    notebook->setPageIndex(1);
    const QImage switched = notebook->grab().toImage();
    EXPECT_EQ(
            count(switched, captionRect(storedBox(0), h, lh, false, notebook->width()), isBlue), 0);
    EXPECT_GT(
            count(switched, captionRect(storedBox(1), h, lh, true, notebook->width()), isBlue), 10);
}

TEST_F(Look, TheFrameAndTheOpeningUnderTheActiveTab)
{
    const QImage image = notebook->grab().toImage();
    const int w = notebook->width();
    const int bottom = notebook->height() - 1;
    const int strip = tabStripBottom(1, notebook->TabHeight());
    const int middle = (strip + bottom) / 2;
    const QRgb light = system(notebook->HighlightColor());
    const QRgb dark = system(notebook->ShadowColor());
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(image.pixel(0, middle), light);
    EXPECT_EQ(image.pixel(w - 1, middle), black);
    EXPECT_EQ(image.pixel(w - 2, middle), dark);
    EXPECT_EQ(image.pixel(w / 2, bottom), black);
    EXPECT_EQ(image.pixel(w / 2, bottom - 1), dark);
    // Open under the active tab, closed under the other.
    EXPECT_EQ(image.pixel(storedBox(0).left + 5, strip), system(page1->TabColor()));
    EXPECT_EQ(image.pixel(storedBox(1).left + 5, strip), light);
    // The strip beside the tabs shows the parent's colour.
    EXPECT_EQ(image.pixel(w - 3, 1), form.palette().color(form.backgroundRole()).rgb());
}

TEST_F(Look, TheFocusedNotebookDotsItsActiveTab)
{
    const QPoint dot = focusRectDots(storedBox(0)).front();
    const QColor unfocused = notebook->grab().toImage().pixelColor(dot);
    clickTab(0);
    ASSERT_TRUE(notebook->hasFocus());
    EXPECT_NE(notebook->grab().toImage().pixelColor(dot), unfocused);
}
