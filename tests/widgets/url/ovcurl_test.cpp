#include "widgets/url/ovcurl.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCursor>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "support/recording_services.h"
#include "support/shell_doubles.h"

using lw::url::TOvcURL;

namespace {

class OvcUrlTest : public ::testing::Test
{
protected:
    lw::test::RecordingDesktopShell shell;
    lw::test::RecordingFeedback feedback;
    TOvcURL label{ shell, feedback };
    QSignalSpy clicks{ &label, &TOvcURL::OnClick };
};

} // namespace

TEST_F(OvcUrlTest, ShowsTheCaptionOrWhileItIsEmptyTheAddress)
{
    label.setURL(QStringLiteral("https://www.brannock.example/"));
    EXPECT_EQ(label.text(), label.URL()) << "no caption yet";
    label.setCaption(QStringLiteral("Home"));
    EXPECT_EQ(label.text(), QStringLiteral("Home"));
    label.setURL(QStringLiteral("https://other.example/"));
    EXPECT_EQ(label.text(), QStringLiteral("Home")) << "a caption outlives address changes";
    label.setCaption(QString());
    EXPECT_EQ(label.text(), QStringLiteral("https://other.example/"));
}

TEST_F(OvcUrlTest, LooksLikeALinkFromTheStart)
{
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.HighlightColor(), QColor(Qt::red));
    EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);
}

TEST_F(OvcUrlTest, AHiddenLabelClickedFromCodeOpensItsAddressThenFiresOnClick)
{
    label.setURL(QStringLiteral("mailto:support@brannock.example"));
    QObject::connect(&label, &TOvcURL::OnClick, [this] {
        EXPECT_EQ(shell.opened.size(), 1) << "the address went out before the event";
    });
    label.Click();
    EXPECT_EQ(shell.opened, QStringList{ QStringLiteral("mailto:support@brannock.example") });
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(OvcUrlTest, AnEmptyAddressOpensNothingButStillFiresOnClick)
{
    label.Click();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(OvcUrlTest, OnlyTheFirst1023CharactersReachTheShell)
{
    const QString address = u"https://www.brannock.example/" + QString(4971, u'x');
    ASSERT_EQ(address.size(), 5000);
    label.setURL(address);
    label.Click();
    EXPECT_EQ(shell.opened, QStringList{ address.left(1023) });
}

TEST_F(OvcUrlTest, ARefusedOpenBeepsOnceAndStillFiresOnClick)
{
    shell.refusing = true;
    label.setURL(QStringLiteral("https://www.brannock.example/"));
    label.Click();
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(OvcUrlTest, AnOpenerFailingAfterTheClickBeepsThen)
{
    label.setURL(QStringLiteral("https://www.brannock.example/"));
    label.Click();
    ASSERT_TRUE(shell.lastLateFailure);
    EXPECT_EQ(feedback.beeps, 0);
    shell.lastLateFailure();
    EXPECT_EQ(feedback.beeps, 1);
}

TEST_F(OvcUrlTest, AMouseClickOnTheLabelClicksIt)
{
    label.setURL(QStringLiteral("https://www.brannock.example/"));
    label.resize(120, 16);
    label.show();
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(shell.opened.size(), 1) << "the right button is no click";
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(OvcUrlTest, HoverTurnsRedAndTheRestingColourReturnsSoonAfterThePointerLeft)
{
    label.setText(QStringLiteral("www.brannock.example"));
    label.setFontColor(Qt::blue);
    label.setGeometry(50, 50, 150, 16);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    for (int hover = 0; hover < 2; ++hover) {
        QCursor::setPos(label.mapToGlobal(QPoint(5, 5)));
        QTest::mouseMove(&label, QPoint(5, 5));
        EXPECT_EQ(label.fontColor(), QColor(Qt::red));
        QTest::qWait(250); // still over it: the ticks keep the highlight
        EXPECT_EQ(label.fontColor(), QColor(Qt::red));
        // The pointer goes without a move event reaching the label.
        QCursor::setPos(label.mapToGlobal(QPoint(500, 500)));
        EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return label.fontColor() == QColor(Qt::blue);
                },
                1000))
                << "hover " << hover;
    }
}

TEST_F(OvcUrlTest, ScreenReadersSeeALinkNamedByItsTextThatCanBePressed)
{
    label.setURL(QStringLiteral("https://www.brannock.example/"));
    label.setCaption(QStringLiteral("www.brannock.example"));
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("www.brannock.example"));
    EXPECT_EQ(link->text(QAccessible::Value), QStringLiteral("https://www.brannock.example/"));
    ASSERT_NE(link->actionInterface(), nullptr);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(shell.opened, QStringList{ QStringLiteral("https://www.brannock.example/") });
}
