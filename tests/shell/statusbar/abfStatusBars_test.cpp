#include "shell/statusbar/abfStatusBars.h"

#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/gui/palette_colour.h"
#include "shell/statusbar/status_bar_geometry.h"
#include "support/qt_printers.h"

using namespace lw::shell;
using lw::platform::rgbColour;

namespace {

struct Click
{
    TabfStatusPanel *panel;
    Qt::MouseButton button;
    bool dbl;

    bool operator==(const Click &) const = default;
};

void PrintTo(const Click &click, std::ostream *os)
{
    *os << (click.dbl ? "dbl" : "click") << " panel@" << click.panel << " button " << click.button;
}

/// A shown window with the bar along its bottom: a 120-wide first panel and a second one.
class StatusBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.resize(657, 100);
        bar = new TabfStatusBar(&form); // owned by the form
        bar->setGeometry(0, 100 - bar->height(), 657, bar->height());
        first = &bar->Panels().Add();
        first->setWidth(120);
        first->setText(QStringLiteral("example.test"));
        second = &bar->Panels().Add();
        second->setText(QStringLiteral("Visit example.test"));
        QObject::connect(bar, &TabfStatusBar::OnPanelClick, bar,
                [this](TabfStatusPanel *panel, Qt::MouseButton button, Qt::KeyboardModifiers, int,
                        int) {
                    clicks.push_back({ panel, button, false });
                });
        QObject::connect(bar, &TabfStatusBar::OnPanelDblClick, bar,
                [this](TabfStatusPanel *panel, Qt::MouseButton button, Qt::KeyboardModifiers, int,
                        int) {
                    clicks.push_back({ panel, button, true });
                });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QWindow *window() const { return form.windowHandle(); }

    // Bar pixels in the window's coordinates, for events that go through the window.
    QPoint inWindow(const QPoint &barPoint) const { return bar->mapTo(&form, barPoint); }

    QWidget form;
    TabfStatusBar *bar = nullptr;
    TabfStatusPanel *first = nullptr;
    TabfStatusPanel *second = nullptr;
    std::vector<Click> clicks;
};

TEST_F(StatusBarTest, IsNineteenHighAndItsLastPanelFollowsTheRightEdge)
{
    EXPECT_EQ(bar->height(), TabfStatusBar::DefaultHeight);
    int resizes = 0;
    QObject::connect(bar, &TabfStatusBar::OnResize, bar, [&resizes] {
        ++resizes;
    });
    bar->resize(500, bar->height());
    bar->resize(400, bar->height());
    EXPECT_EQ(resizes, 2);
    EXPECT_EQ(bar->panelRect(0), QRect(0, 0, 120, 19));
    EXPECT_EQ(bar->panelRect(1), QRect(120, 0, 280, 19));
    EXPECT_TRUE(bar->panelRect(2).isNull());
}

TEST_F(StatusBarTest, RightButtonReleaseOverAPanelClicksIt)
{
    QTest::mouseClick(window(), Qt::RightButton, {}, inWindow({ 60, 9 }));
    EXPECT_EQ(clicks, (std::vector<Click>{ { first, Qt::RightButton, false } }));
}

TEST_F(StatusBarTest, DoubleClickIsClickThenDoubleClickThenClick)
{
    QTest::mouseDClick(window(), Qt::LeftButton, {}, inWindow({ 60, 9 }));
    const std::vector<Click> expected{ { first, Qt::LeftButton, false },
        { first, Qt::LeftButton, true }, { first, Qt::LeftButton, false } };
    EXPECT_EQ(clicks, expected);
}

TEST_F(StatusBarTest, OnlyTheReleasePointDecidesThePanel)
{
    QTest::mousePress(window(), Qt::LeftButton, {}, inWindow({ 300, 9 }));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, inWindow({ 60, 9 }));
    QTest::mousePress(window(), Qt::LeftButton, {}, inWindow({ 60, 9 }));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, inWindow({ 300, 9 }));
    const std::vector<Click> expected{ { first, Qt::LeftButton, false },
        { second, Qt::LeftButton, false } };
    EXPECT_EQ(clicks, expected);
}

TEST_F(StatusBarTest, ReleaseOnTheMarginOrOffTheBarClicksNothing)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow({ 119, 9 }));
    QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow({ 60, 0 }));
    QTest::mousePress(window(), Qt::LeftButton, {}, inWindow({ 60, 9 }));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, inWindow({ 60, -20 }));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(StatusBarTest, EveryPointerMoveOverTheBarIsReported)
{
    std::vector<QPoint> moves;
    QObject::connect(
            bar, &TabfStatusBar::OnMouseMove, bar, [&moves](Qt::KeyboardModifiers, int x, int y) {
                moves.emplace_back(x, y);
            });
    QTest::mouseMove(window(), inWindow({ 117, 5 }));
    QTest::mouseMove(window(), inWindow({ 121, 6 }));
    EXPECT_EQ(moves, (std::vector<QPoint>{ { 117, 5 }, { 121, 6 } }));
}

TEST_F(StatusBarTest, TakesTheStatusBarFontNotTheWindowsAndFollowsIt)
{
    const QFont before = QApplication::font("QStatusBar");
    QFont big(QStringLiteral("Liberation Sans"));
    big.setPixelSize(30);
    form.setFont(big);
    EXPECT_EQ(bar->font().pixelSize(), before.pixelSize());

    QFont own(QStringLiteral("Liberation Sans"));
    own.setPixelSize(11);
    own.setUnderline(true);
    first->setFont(own);
    QFont status(QStringLiteral("Liberation Serif"));
    status.setPixelSize(14);
    QApplication::setFont(status, "QStatusBar");
    EXPECT_EQ(bar->font().family(), status.family());
    EXPECT_EQ(bar->font().pixelSize(), 14);
    EXPECT_EQ(first->Font(), own);
    EXPECT_EQ(second->Font().family(), status.family());
    EXPECT_EQ(second->Font().pixelSize(), 14);
    QApplication::setFont(before, "QStatusBar");
}

TEST_F(StatusBarTest, ScreenReadersSeeAStatusBarOfShownPanels)
{
    bar->Panels().Add().setVisible(false);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::StatusBar);
    ASSERT_EQ(face->childCount(), 2);
    QAccessibleInterface *web = face->child(0);
    EXPECT_EQ(web->role(), QAccessible::StaticText);
    EXPECT_EQ(web->text(QAccessible::Name), QStringLiteral("example.test"));
    EXPECT_EQ(face->child(1)->text(QAccessible::Name), QStringLiteral("Visit example.test"));
    EXPECT_EQ(face->indexOfChild(face->child(1)), 1);
    EXPECT_EQ(web->parent(), face);
    const QPoint inSecond = bar->mapToGlobal(QPoint(150, 9));
    EXPECT_EQ(face->childAt(inSecond.x(), inSecond.y()), face->child(1));
}

std::vector<std::pair<QAccessible::Event, QString>> announced;

TEST_F(StatusBarTest, TextChangesAreAnnouncedForTheirPanel)
{
    // Qt passes no accessibility event on while no assistive technology listens, and the
    // offscreen platform has none; run under an accessibility bus to exercise this.
    if (!QAccessible::isActive())
        GTEST_SKIP() << "accessibility is not active on this platform";
    announced.clear();
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (QAccessibleInterface *face = event->accessibleInterface())
            announced.emplace_back(event->type(), face->text(QAccessible::Name));
    });
    second->setText(QStringLiteral("Another text"));
    QAccessible::installUpdateHandler(previous);
    ASSERT_EQ(announced.size(), 1U);
    EXPECT_EQ(announced[0].first, QAccessible::NameChanged);
    EXPECT_EQ(announced[0].second, QStringLiteral("Another text"));
}

TEST_F(StatusBarTest, TooltipIsThePanelsHintElseTheBars)
{
    first->setHint(QStringLiteral(" Click to visit example.test"));
    bar->setToolTip(QStringLiteral("bar"));
    const auto tipAt = [this](const QPoint &pos) {
        QHelpEvent help(QEvent::ToolTip, pos, bar->mapToGlobal(pos));
        QApplication::sendEvent(bar, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt({ 60, 9 }), first->Hint());
    EXPECT_EQ(tipAt({ 300, 9 }), QStringLiteral("bar"));
}

// The box where the text should stand, from the panel's metrics and the offset rule.
QRect expectedTextBox(const TabfStatusBar &bar, const TabfStatusPanel &panel)
{
    const QRect area = panelArea(bar.panelRect(panel.Index()));
    const QFontMetrics metrics(panel.Font());
    const QSize text(metrics.horizontalAdvance(panel.Text()), metrics.height());
    return { area.topLeft() + panelTextOffset(panel.TextStyle().Alignment, area.size(), text),
        text };
}

// The bounding box of the dark pixels within a rectangle: anti-aliased black text on white.
QRect inkBox(const QImage &image, const QRect &within)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST_F(StatusBarTest, PaintsBevelBrushAndAlignedClippedText)
{
    first->setBrushColor(rgbColour(255, 255, 255));
    first->setFontColor(rgbColour(0, 0, 0));
    first->setTextStyle({ TabfAlignment::Centre, 0, first->Text() });
    second->setBrushColor(rgbColour(255, 255, 255));
    second->setFontColor(rgbColour(0, 0, 0));
    second->setTextStyle({ TabfAlignment::Right, 2, second->Text() });
    const QImage image = bar->grab().toImage();

    for (const TabfStatusPanel *panel : { first, second }) {
        const QRect area = panelArea(bar->panelRect(panel->Index()));
        const QRect ink = inkBox(image, area);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(expectedTextBox(*bar, *panel).contains(ink)) << panel->Index();
        EXPECT_EQ(image.pixelColor(area.topLeft()), QColor(255, 255, 255));
    }
    const QPalette palette = bar->palette();
    const QRect laidOut = bar->panelRect(1);
    EXPECT_EQ(image.pixel(laidOut.left(), laidOut.top() + 5), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(
            image.pixel(laidOut.right(), laidOut.top() + 5), palette.color(QPalette::Light).rgb());

    // Text wider than its panel is cut at the area's edges.
    first->setText(QStringLiteral("A text far wider than one hundred and twenty pixels"));
    const QImage wide = bar->grab().toImage();
    const QRect area = panelArea(bar->panelRect(0));
    const QRect ink = inkBox(wide, QRect(0, 0, 125, 19));
    EXPECT_TRUE(area.contains(ink));
    EXPECT_GE(ink.width(), area.width() - 4);
}

} // namespace
