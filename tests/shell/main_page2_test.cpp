#include <QAccessible>

#include "platform/gui/painter_text_surface.h"
#include "shell/main_fixture.h"
#include "widgets/html/HTMLabel.h"
#include "widgets/html/draw_markup.h"

namespace lw::test {
namespace {

using html::THTMLabel;

const QString ProductLink = QStringLiteral("https://www.homestakesuite.example/?ref=LWC451");

class Page2Test : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
        start();
        window->nbkMain->setPageIndex(1);
        QApplication::processEvents();
    }

    QList<THTMLabel *> labels() const
    {
        return { window->HTMLabel3, window->HTMLabel2, window->HTMLabel1 };
    }

    /// One point over each link line of a label, top to bottom.
    static QList<QPoint> linkPoints(THTMLabel *label)
    {
        QList<QPoint> points;
        int lastTop = -1;
        for (int y = 1; y < label->height(); y += 2)
            for (int x = 1; x < label->width(); x += 4) {
                platform::Rect link;
                if (!label->hitTest({ x, y }, &link).isEmpty() && link.top != lastTop) {
                    points << QPoint(x, y);
                    lastTop = link.top;
                    break;
                }
            }
        return points;
    }

    /// Rows below the lowest ink when the label's text is painted without a bottom edge.
    int roomLeft(const THTMLabel *label)
    {
        QWidget white;
        white.setAutoFillBackground(true);
        white.setPalette(QPalette(Qt::white));
        white.setFont(label->font());
        THTMLabel unbounded(desktop, &white);
        unbounded.setTransparent(true);
        unbounded.setHTMLText(label->HTMLText());
        unbounded.setGeometry(0, 0, label->width(), label->height() + 100);
        white.resize(unbounded.size());
        const QImage shot = white.grab().toImage();
        for (int y = shot.height() - 1; y >= 0; --y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) != QColor(Qt::white))
                    return label->height() - (y + 1);
        return label->height();
    }
};

TEST_F(Page2Test, EveryLinkShowsTheHandAndOpensTheProductSite)
{
    int links = 0;
    for (THTMLabel *label : labels())
        for (const QPoint at : linkPoints(label)) {
            QTest::mouseMove(label, at);
            EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << at.x() << ',' << at.y();
            QTest::mouseClick(label, Qt::LeftButton, {}, at);
            ++links;
        }
    EXPECT_EQ(links, 4) << "the heading, the price, the slogan and the contents";
    EXPECT_EQ(desktop.opened, QStringList(links, ProductLink));
}

TEST_F(Page2Test, AwayFromTheLinksTheArrowReturns)
{
    THTMLabel *body = window->HTMLabel2;
    QTest::mouseMove(body, linkPoints(body).first());
    QTest::mouseMove(body, { body->width() - 2, body->height() - 2 });
    EXPECT_EQ(body->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Page2Test, NoTextIsCutAtTheBottom)
{
    for (const THTMLabel *label : labels()) {
        const int room = roomLeft(label);
        RecordProperty(label->objectName().toStdString(), room);
        EXPECT_GE(room, 0) << label->objectName().toStdString();
    }
}

TEST_F(Page2Test, ScreenReadersReadTheHeadingAndItsLink)
{
    QAccessibleInterface *heading = QAccessible::queryAccessibleInterface(window->HTMLabel3);
    EXPECT_EQ(heading->text(QAccessible::Name), QStringLiteral("Homestake Suite"));
    ASSERT_EQ(heading->childCount(), 1);
    EXPECT_EQ(heading->child(0)->role(), QAccessible::Link);
    EXPECT_EQ(heading->child(0)->text(QAccessible::Value), ProductLink);
}

TEST_F(Page2Test, ThePictureKeepsItsTooltipForScreenReaders)
{
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(window->imgScreenShot);
    EXPECT_EQ(picture->text(QAccessible::Description),
            QStringLiteral("Click to go online and learn more about Homestake Suite"));
    EXPECT_TRUE(application.hintWindowClass) << "the hint component set its window class";
}

} // namespace
} // namespace lw::test
