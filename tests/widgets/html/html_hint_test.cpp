#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <gtest/gtest.h>

#include "platform/gui/painter_text_surface.h"
#include "support/qt_printers.h"
#include "support/shell_doubles.h"
#include "widgets/html/hint_geometry.h"
#include "widgets/html/htmlhint.h"

namespace {

using lw::html::THTMLHint;
using lw::html::THTMLHintWindow;
using lw::platform::Rect;

const QString PictureHint =
        QStringLiteral("Click to go online and learn more about Homestake Suite");

class HtmlHintTest : public ::testing::Test
{
protected:
    HtmlHintTest() { hint->URLColor = lw::platform::colourBlack; }

    QRect screen() const { return QGuiApplication::primaryScreen()->geometry(); }

    /// Shows `text` as the application does: the handler first, then the window.
    THTMLHintWindow &show(const QString &text, QPoint at = { 100, 100 })
    {
        if (!window)
            window = hooks.hintWindowClass();
        QString shown = text;
        bool canShow = true;
        lw::platform::HintInfo info{ nullptr, at, screen().width() };
        hooks.showHint(shown, canShow, info);
        window->activateHint(QRect(at, QSize(0, 0)), shown, info);
        return static_cast<THTMLHintWindow &>(*window);
    }

    QFontMetrics metrics() const
    {
        return QFontMetrics(lw::platform::PainterTextSurface::qFontFor(hint->HintFont));
    }

    lw::test::RecordingApplicationHooks hooks;
    QMainWindow form;
    THTMLHint *hint = new THTMLHint(&form, hooks); // owned by the form
    std::unique_ptr<lw::platform::HintWindow> window;
};

// The About dialog's link is the tightest box the forms give a Tahoma text.
TEST_F(HtmlHintTest, TahomaIsAFaceThatKeepsTheFormsTextsInTheirBoxes)
{
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(13);
    EXPECT_EQ(QFontInfo(tahoma).family(), QStringLiteral("Liberation Sans"));
    EXPECT_LE(QFontMetrics(tahoma).horizontalAdvance(QStringLiteral("www.brannock.example")), 151);
    EXPECT_LE(QFontMetrics(tahoma).height(), 16);
}

// The Disclaimer's button and the main window's link name the other face of the forms.
TEST_F(HtmlHintTest, MsSansSerifGetsTheSameStandIn)
{
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setPixelSize(11);
    EXPECT_EQ(QFontInfo(face).family(), QStringLiteral("Liberation Sans"));
}

TEST_F(HtmlHintTest, VersionIsReadOnlyText)
{
    EXPECT_EQ(THTMLHint::Version(), QStringLiteral("1.3.5.0"));
}

TEST_F(HtmlHintTest, AOneLineHintIsItsTextWidthPlus18ByItsHeightPlus4)
{
    const THTMLHintWindow &shown = show(PictureHint);
    ASSERT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.pos(), QPoint(100, 100));
    // The renderer rounds word by word, the whole-line advance once: they may part by a pixel.
    EXPECT_NEAR(shown.width(), metrics().horizontalAdvance(PictureHint) + 18, 1);
    EXPECT_EQ(shown.height(), metrics().height() + 4);
}

TEST_F(HtmlHintTest, LeadingBlanksAreNotShown)
{
    const int trimmed = show(QStringLiteral("About ...")).width();
    EXPECT_EQ(show(QStringLiteral(" About ...")).width(), trimmed);
}

TEST_F(HtmlHintTest, AnAmpersandUnderlinesTheNextLetter)
{
    THTMLHintWindow &plain = show(QStringLiteral("(PI)"));
    const QImage withoutLine = plain.grab().toImage();
    THTMLHintWindow &prefixed = show(QStringLiteral("(P&I)"));
    EXPECT_EQ(prefixed.size(), withoutLine.size());
    EXPECT_NE(prefixed.grab().toImage(), withoutLine);
}

TEST_F(HtmlHintTest, AHintPastTheRightAndBottomEdgesMovesInsideBy2)
{
    const QRect shown = show(PictureHint, screen().bottomRight() - QPoint(10, 5)).geometry();
    EXPECT_EQ(shown.right(), screen().right() - 2);
    EXPECT_EQ(shown.bottom(), screen().bottom() - 2);
}

TEST_F(HtmlHintTest, ATextWiderThanTheScreenWraps)
{
    QString words;
    while (metrics().horizontalAdvance(words) < screen().width())
        words += QStringLiteral("wrapping words ");
    const QRect shown = show(words, screen().topLeft()).geometry();
    EXPECT_LE(shown.width(), screen().width());
    EXPECT_GE(shown.height(), 2 * metrics().height() + 4);
}

TEST_F(HtmlHintTest, AMaxWidthNarrowsTheHintAndTheHandlerSeesIt)
{
    hint->MaxWidth = 200;
    int seenWidth = 0;
    hint->OnShowHint = [&](QString &, bool &, lw::platform::HintInfo &info) {
        seenWidth = info.maxWidth;
    };
    EXPECT_LE(show(PictureHint).width(), 200);
    EXPECT_EQ(seenWidth, 200);
}

TEST_F(HtmlHintTest, WithoutAComponentOnTheMainWindowNothingShows)
{
    QMainWindow other;
    THTMLHintWindow bare(&other);
    bare.activateHint(QRect(10, 10, 0, 0), PictureHint, { nullptr, { 10, 10 }, 800 });
    EXPECT_FALSE(bare.isVisible());
    EXPECT_EQ(bare.text(), PictureHint);
}

TEST_F(HtmlHintTest, ScreenReadersHearTheTip)
{
    QAccessibleInterface *tip = QAccessible::queryAccessibleInterface(&show(PictureHint));
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->role(), QAccessible::ToolTip);
    EXPECT_EQ(tip->text(QAccessible::Name), PictureHint);
}

struct ErrorRow
{
    const char *name;
    int owners; // components already on the form
    bool onWindow;
    const char *message;
};

void PrintTo(const ErrorRow &row, std::ostream *os)
{
    *os << row.name;
}

class HtmlHintErrorTest : public ::testing::TestWithParam<ErrorRow>
{
};

TEST_P(HtmlHintErrorTest, ConstructionRefusesABadOwner)
{
    lw::test::RecordingApplicationHooks hooks;
    QMainWindow form;
    QWidget child(&form);
    QWidget *owner = GetParam().onWindow ? static_cast<QWidget *>(&form) : &child;
    for (int i = 0; i < GetParam().owners; ++i)
        new THTMLHint(owner, hooks); // owned by the form
    try {
        new THTMLHint(owner, hooks); // owned by the form
        FAIL() << "no error";
    } catch (const lw::html::EHTMLHintError &error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Owners, HtmlHintErrorTest,
        ::testing::Values(ErrorRow{ "NotAForm", 0, false, "Control parent must be a form!" },
                ErrorRow{ "Second", 1, true, "Only one instance of THTMLHint allowed on form" }),
        [](const ::testing::TestParamInfo<ErrorRow> &row) {
            return std::string(row.param.name);
        });

struct PlaceRow
{
    const char *name;
    lw::platform::Point position;
    Rect expected;
};

void PrintTo(const PlaceRow &row, std::ostream *os)
{
    *os << row.name;
}

class HintPlaceTest : public ::testing::TestWithParam<PlaceRow>
{
};

// A 100 by 20 text on a monitor at (1000, 0), 800 by 600.
TEST_P(HintPlaceTest, StaysInsideTheMonitor)
{
    const lw::platform::Point at = GetParam().position;
    const Rect from{ at.x, at.y, at.x, at.y };
    EXPECT_EQ(lw::html::hintWindowRect(at, from, { 100, 20 }, { 1000, 0, 1800, 600 }),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Edges, HintPlaceTest,
        ::testing::Values(PlaceRow{ "Inside", { 1100, 100 }, { 1100, 100, 1216, 124 } },
                PlaceRow{ "JustFits", { 1684, 576 }, { 1684, 576, 1800, 600 } },
                PlaceRow{ "PastRight", { 1700, 100 }, { 1682, 100, 1798, 124 } },
                PlaceRow{ "PastBottom", { 1100, 590 }, { 1100, 574, 1216, 598 } }),
        [](const ::testing::TestParamInfo<PlaceRow> &row) {
            return std::string(row.param.name);
        });

TEST(HintTextRectTest, StartsFourInAndCentresTheText)
{
    EXPECT_EQ(lw::html::hintTextRect({ 0, 0, 118, 19 }, 15, 0, 0), (Rect{ 4, 2, 114, 25 }));
    EXPECT_EQ(lw::html::hintTextRect({ 0, 0, 118, 29 }, 15, 3, 5), (Rect{ 7, 12, 114, 35 }));
}

} // namespace
