#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "support/qt_printers.h"
#include "support/shell_doubles.h"
#include "widgets/html/HTMLabel.h"
#include "widgets/html/component_version.h"

namespace {

using lw::html::THTMLabel;

template <typename Row>
std::string rowName(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

const QString First = QStringLiteral("https://first.example/");
const QString Second = QStringLiteral("https://second.example/");

QString twoLinks()
{
    return QStringLiteral("<a href=\"%1\">first link</a><br><a href=\"%2\">second link</a><br>"
                          "plain words")
            .arg(First, Second);
}

class HtmlLabelTest : public ::testing::Test
{
protected:
    HtmlLabelTest()
    {
        parent.resize(300, 200);
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, Qt::red);
        parent.setPalette(palette);
        label.setGeometry(10, 10, 200, 100);
        label.setHTMLText({ twoLinks() });
    }

    int lineHeight() const { return QFontMetrics(label.font()).height(); }

    QPoint onFirst() const { return { 5, lineHeight() / 2 }; }

    QPoint onSecond() const { return { 5, lineHeight() * 3 / 2 }; }

    QPoint offLinks() const { return { 150, 90 }; }

    void move(QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, at, label.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    }

    void press(QPoint at, Qt::MouseButton button)
    {
        QMouseEvent event(QEvent::MouseButtonPress, at, label.mapToGlobal(at), button, button,
                Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    }

    QColor pixelAt(QPoint at) { return parent.grab().toImage().pixelColor(label.mapToParent(at)); }

    lw::test::RecordingDesktopShell shell;
    QWidget parent;
    THTMLabel label{ shell, &parent };
};

TEST_F(HtmlLabelTest, JoinsItsLinesWithOneSpace)
{
    label.setHTMLText({ QStringLiteral("one"), QStringLiteral("two "), QStringLiteral("three") });
    EXPECT_EQ(label.renderedText(), QStringLiteral("one two  three"));
}

TEST_F(HtmlLabelTest, VersionsAreTheirBytesInDecimal)
{
    EXPECT_EQ(THTMLabel::Version(), QStringLiteral("1.8.0.2"));
    EXPECT_EQ(lw::html::componentVersion(0xFF00100A), QStringLiteral("255.0.16.10"));
}

TEST_F(HtmlLabelTest, TransparentShowsTheParentBehind)
{
    label.setTransparent(true);
    label.setColor(lw::platform::rgbColour(0, 255, 0));
    EXPECT_EQ(pixelAt(offLinks()), QColor(Qt::red));
}

TEST_F(HtmlLabelTest, OpaqueFillsWithItsColour)
{
    label.setColor(lw::platform::rgbColour(0, 255, 0));
    EXPECT_EQ(pixelAt(offLinks()), QColor(Qt::green));
}

TEST_F(HtmlLabelTest, OpaqueWithoutColourTakesTheParents)
{
    EXPECT_EQ(pixelAt(offLinks()), QColor(Qt::red));
}

TEST_F(HtmlLabelTest, MovingFromLinkToLinkEntersAgainWithoutExit)
{
    QSignalSpy enter(&label, &THTMLabel::OnAnchorEnter);
    QSignalSpy exit(&label, &THTMLabel::OnAnchorExit);
    move(onFirst());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    move(onFirst()); // the same link again tells nothing new
    move(onSecond());
    ASSERT_EQ(enter.size(), 2);
    EXPECT_EQ(enter.at(0).at(1).toString(), First);
    EXPECT_EQ(enter.at(1).at(1).toString(), Second);
    EXPECT_EQ(exit.size(), 0);
}

TEST_F(HtmlLabelTest, LeavingFromALinkExitsOnlyAtTheNextMoveAwayFromLinks)
{
    QSignalSpy exit(&label, &THTMLabel::OnAnchorExit);
    QSignalSpy left(&label, &THTMLabel::OnMouseLeave);
    move(onFirst());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(left.size(), 1);
    EXPECT_EQ(exit.size(), 0);
    move(offLinks());
    ASSERT_EQ(exit.size(), 1);
    EXPECT_EQ(exit.at(0).at(1).toString(), QString());
    EXPECT_EQ(label.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(HtmlLabelTest, AnyButtonOpensTheLink)
{
    press(onFirst(), Qt::LeftButton);
    press(onSecond(), Qt::RightButton);
    press(offLinks(), Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList({ First, Second }));
}

struct TargetRow
{
    const char *name;
    const char16_t *target;
    bool opened;
};

void PrintTo(const TargetRow &row, std::ostream *os)
{
    *os << row.name;
}

class HtmlLabelTargetTest : public HtmlLabelTest, public ::testing::WithParamInterface<TargetRow>
{
};

TEST_P(HtmlLabelTargetTest, OnlyWebAndMailAddressesLeaveTheProgram)
{
    const QString target = QString::fromUtf16(GetParam().target);
    label.setHTMLText({ QStringLiteral("<a href=\"%1\">link</a>").arg(target) });
    QSignalSpy click(&label, &THTMLabel::OnAnchorClick);
    press(onFirst(), Qt::LeftButton);
    ASSERT_EQ(click.size(), 1);
    EXPECT_EQ(click.at(0).at(1).toString(), target);
    EXPECT_EQ(shell.opened.size(), GetParam().opened ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, HtmlLabelTargetTest,
        ::testing::Values(TargetRow{ "Web", u"https://site.example/?ref=x", true },
                TargetRow{ "Mail", u"mailto:someone@site.example", true },
                TargetRow{ "LocalName", u"readme.txt", false },
                TargetRow{ "SchemeWithoutSlashes", u"news:group", false }),
        rowName<TargetRow>);

TEST_F(HtmlLabelTest, AFailingShellIsIgnored)
{
    shell.refusing = true;
    QSignalSpy click(&label, &THTMLabel::OnAnchorClick);
    press(onFirst(), Qt::LeftButton);
    EXPECT_EQ(click.size(), 1);
}

TEST_F(HtmlLabelTest, ATallTextIsCutAfterTheLastWholeLine)
{
    label.setTransparent(true);
    label.setHTMLText({ QStringLiteral("one<br>two<br>three<br>four") });
    label.resize(200, lineHeight() * 5 / 2);
    const QImage shot = parent.grab().toImage();
    const auto inkBelow = [&](int fromY) {
        for (int y = label.y() + fromY; y < label.y() + label.height(); ++y)
            for (int x = label.x(); x < label.x() + label.width(); ++x)
                if (shot.pixelColor(x, y) != QColor(Qt::red))
                    return true;
        return false;
    };
    EXPECT_TRUE(inkBelow(lineHeight()));
    EXPECT_FALSE(inkBelow(lineHeight() * 2));
}

TEST_F(HtmlLabelTest, ScreenReadersGetTheWordsAndTheLinks)
{
    label.setHTMLText({ QStringLiteral("<p><b>Read</b>&nbsp;the <a href=\"%1\">first").arg(First),
            QStringLiteral("link</a></p><br>or <a href=\"%1\">the second</a>.").arg(Second) });
    QAccessibleInterface *text = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("Read the first link or the second."));
    ASSERT_EQ(text->childCount(), 2);
    QAccessibleInterface *second = text->child(1);
    EXPECT_EQ(second->role(), QAccessible::Link);
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("the second"));
    EXPECT_EQ(text->indexOfChild(second), 1);
    EXPECT_EQ(text->child(0)->text(QAccessible::Name), QStringLiteral("first link"));
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(shell.opened, QStringList({ Second }));
    label.setHTMLText(
            { QStringLiteral("<P align=\"center\"> NO WARRANTY,  express <br>  or implied </P>") });
    EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("NO WARRANTY,  express or implied"))
            << "the blanks drawn inside a line are read too";
}

// Counts the paints a widget gets.
class PaintCounter final : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct RepaintRow
{
    const char *name;
    void (*change)(THTMLabel &);
    bool repaints;
};

void PrintTo(const RepaintRow &row, std::ostream *os)
{
    *os << row.name;
}

class HtmlLabelRepaintTest : public HtmlLabelTest, public ::testing::WithParamInterface<RepaintRow>
{
};

TEST_P(HtmlLabelRepaintTest, RepaintsOnlyForAVisibleChange)
{
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    PaintCounter counter;
    label.installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
    GetParam().change(label);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints > 0, GetParam().repaints);
}

INSTANTIATE_TEST_SUITE_P(Properties, HtmlLabelRepaintTest,
        ::testing::Values(RepaintRow{ "NewText",
                                  [](THTMLabel &l) {
                                      l.setHTMLText({ QStringLiteral("x") });
                                  },
                                  true },
                RepaintRow{ "NewUrlColour",
                        [](THTMLabel &l) {
                            l.setURLColor(0x000000FF);
                        },
                        true },
                RepaintRow{ "SameUrlColour",
                        [](THTMLabel &l) {
                            l.setURLColor(l.URLColor());
                        },
                        false },
                RepaintRow{ "NewEllipsis",
                        [](THTMLabel &l) {
                            l.setEllipsis(true);
                        },
                        true },
                RepaintRow{ "NewLineSpacing",
                        [](THTMLabel &l) {
                            l.setLineSpacing(3);
                        },
                        true },
                RepaintRow{ "SameLineWidth",
                        [](THTMLabel &l) {
                            l.setLineWidth(2);
                        },
                        false },
                RepaintRow{ "NewShadowOffset",
                        [](THTMLabel &l) {
                            l.setShadowOffset(4);
                        },
                        true },
                RepaintRow{ "Hover",
                        [](THTMLabel &l) {
                            l.setHover(true);
                        },
                        false },
                RepaintRow{ "HoverColour",
                        [](THTMLabel &l) {
                            l.setHoverColor(0x000000FF);
                        },
                        false },
                RepaintRow{ "HoverFontColour",
                        [](THTMLabel &l) {
                            l.setHoverFontColor(0xFF);
                        },
                        false }),
        rowName<RepaintRow>);

} // namespace
