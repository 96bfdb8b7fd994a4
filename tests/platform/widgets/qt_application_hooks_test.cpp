#include "platform/widgets/qt_application_hooks.h"

#include <csignal>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

/// A control that would draw tips of its own, as a status bar does for its panels.
class OwnTipWidget final : public QWidget
{
public:
    int tipRequests = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            ++tipRequests;
            return true;
        }
        return QWidget::event(event);
    }
};

void askForTip(QWidget &widget)
{
    const QPoint at(5, 5);
    QHelpEvent help(QEvent::ToolTip, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &help);
}

// With the glib dispatcher the loop may announce its wait before it has handled the posted
// events; what holds everywhere is that handled events are followed by an idle.
TEST(QtApplicationHooksTest, HandledEventsAreFollowedByAnIdle)
{
    lw::platform::QtApplicationHooks hooks;
    QEventLoop loop;
    bool postedDone = false;
    QMetaObject::invokeMethod(
            &loop,
            [&postedDone] {
                postedDone = true;
            },
            Qt::QueuedConnection);
    hooks.setIdleHandler([&] {
        if (postedDone)
            loop.quit();
    });
    QTimer::singleShot(5000, &loop, [&loop] {
        loop.exit(1);
    }); // never idle: fail, not hang
    EXPECT_EQ(loop.exec(), 0);
}

TEST(QtApplicationHooksTest, AModalDialogsLoopHasIdlePeriodsToo)
{
    lw::platform::QtApplicationHooks hooks;
    QDialog dialog;
    hooks.setIdleHandler([&dialog] {
        if (dialog.isVisible())
            dialog.accept();
    });
    QTimer::singleShot(5000, &dialog, &QDialog::reject);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(QtApplicationHooksTest, OnlyAControlWithItsOwnTooltipShowsOne)
{
    OwnTipWidget drawsItsOwn;
    QWidget withTooltip;
    withTooltip.setToolTip(QStringLiteral("Click to go online"));
    askForTip(drawsItsOwn);
    ASSERT_EQ(drawsItsOwn.tipRequests, 1) << "without the hooks the control is asked";

    const lw::platform::QtApplicationHooks hooks;
    askForTip(drawsItsOwn);
    EXPECT_EQ(drawsItsOwn.tipRequests, 1) << "the hooks keep the request from it";
    askForTip(withTooltip);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), withTooltip.toolTip());
}

/// A hint window that records what it is asked to show.
struct RecordingHintWindow final : lw::platform::HintWindow
{
    RecordingHintWindow(QStringList *shownTexts, bool *isVisible)
        : shown(shownTexts)
        , visible(isVisible)
    { }

    QStringList *shown;
    bool *visible;

    void activateHint(const QRect &, const QString &text, const lw::platform::HintInfo &) override
    {
        *shown << text;
        *visible = true;
    }

    void releaseHint() override { *visible = false; }
};

TEST(QtApplicationHooksTest, TheHintWindowClassShowsTheShortPartUntilTheHidePause)
{
    QStringList shown;
    bool visible = false;
    lw::platform::QtApplicationHooks hooks;
    hooks.setHintTiming(400, 50);
    hooks.setHintWindowClass([&] {
        return std::make_unique<RecordingHintWindow>(&shown, &visible);
    });
    QWidget button;
    button.setToolTip(QStringLiteral("Close| Close Disclaimer"));
    askForTip(button);
    EXPECT_EQ(shown, QStringList({ QStringLiteral("Close") }));
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !visible;
    }));
}

TEST(QtApplicationHooksTest, TheHintPauseKeepsTheStyleTheProgramChose)
{
    QApplication::setStyle(QStringLiteral("Windows")); // not the desktop's here
    lw::platform::QtApplicationHooks hooks;
    hooks.setHintTiming(400, 4000);
    const auto *style = qobject_cast<const QProxyStyle *>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name().toLower(), QStringLiteral("windows"));
    EXPECT_EQ(style->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);
    QApplication::setStyle(QStringLiteral("Fusion"));
}

TEST(QtApplicationHooksTest, TheShowHintHandlerCanRefuseATip)
{
    QStringList shown;
    bool visible = false;
    lw::platform::QtApplicationHooks hooks;
    hooks.setHintWindowClass([&] {
        return std::make_unique<RecordingHintWindow>(&shown, &visible);
    });
    hooks.setShowHintHandler([](QString &, bool &canShow, lw::platform::HintInfo &) {
        canShow = false;
    });
    QWidget picture;
    picture.setToolTip(QStringLiteral("Click to go online"));
    askForTip(picture);
    EXPECT_TRUE(shown.isEmpty());
}

constexpr int HintPauseMs = 400;
constexpr int HidePauseMs = 1200;
// Timers on a busy machine fire late, never early: bounds below leave room for that.
constexpr int EarlyMarginMs = 100;
constexpr int LateMarginMs = 800;

/// A control without a tooltip beside a picture with one, driven by pointer moves through the
/// window system and Qt's own tool-tip timers.
class QtApplicationHooksTipTest : public testing::Test
{
protected:
    void SetUp() override
    {
        plain.setGeometry(0, 0, 100, 100);
        picture.setGeometry(100, 0, 100, 100);
        picture.setToolTip(QStringLiteral("Click to go online"));
        hooks.setHintTiming(HintPauseMs, HidePauseMs);
        hooks.setHintWindowClass([this] {
            return std::make_unique<RecordingHintWindow>(&shown, &visible);
        });
        window.resize(200, 100);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // From the corner first: a move to where an earlier test left the pointer is no move.
        QTest::mouseMove(window.windowHandle(), QPoint(0, 0));
    }

    void moveTo(QWidget &control, QPoint at = { 20, 20 })
    {
        QTest::mouseMove(window.windowHandle(), control.mapTo(&window, at));
    }

    QStringList shown;
    bool visible = false;
    lw::platform::QtApplicationHooks hooks;
    QWidget window;
    QWidget plain{ &window };
    QWidget picture{ &window };
};

TEST_F(QtApplicationHooksTipTest, TheTipKeepsItsPauseAfterThePointerCrossedAControlWithoutOne)
{
    moveTo(plain);
    QTest::qWait(HintPauseMs + 200); // Qt has asked it for its tip
    QElapsedTimer sinceArrival;
    sinceArrival.start();
    moveTo(picture);
    ASSERT_TRUE(QTest::qWaitFor([this] {
        return visible;
    }));
    EXPECT_GE(sinceArrival.elapsed(), HintPauseMs - EarlyMarginMs);
}

// Small moves inside the picture, with one rest long enough for Qt to ask for the tip again
// while it shows, and one after it has hidden.
TEST_F(QtApplicationHooksTipTest, TheTipNeitherFollowsThePointerNorOutstaysItsHidePause)
{
    moveTo(picture);
    ASSERT_TRUE(QTest::qWaitFor([this] {
        return visible;
    }));
    QElapsedTimer sinceShown;
    sinceShown.start();
    for (int step = 1; sinceShown.elapsed() < HidePauseMs + LateMarginMs; ++step) {
        moveTo(picture, { 20 + step, 20 });
        QTest::qWait(step == 3 ? HintPauseMs + 200 : 100);
    }
    EXPECT_FALSE(visible) << "hidden after its pause, though the pointer kept moving";
    QTest::qWait(HintPauseMs + 200);
    EXPECT_EQ(shown.size(), 1) << "shown once for the whole stay";
}

} // namespace

namespace {

struct SessionSignal
{
    const char *name;
    int number;
    bool saved; // what the session-end handler reports
};

void PrintTo(const SessionSignal &row, std::ostream *os)
{
    *os << row.name;
}

class QtApplicationHooksSessionTest : public testing::TestWithParam<SessionSignal>
{
};

struct sigaction currentAction(int number)
{
    struct sigaction action = {};
    ::sigaction(number, nullptr, &action);
    return action;
}

TEST_P(QtApplicationHooksSessionTest, SignalEndsTheApplicationThroughTheHandler)
{
    const SessionSignal &row = GetParam();
    const auto before = currentAction(row.number).sa_handler;
    int calls = 0;
    {
        // In place of ending the test's own process, the loop ends with the status.
        lw::platform::QtApplicationHooks hooks([](int status) {
            QCoreApplication::exit(status);
        });
        hooks.setSessionEndHandler([&] {
            ++calls;
            return row.saved;
        });
        QTimer::singleShot(0, [&] {
            ::raise(row.number);
            ::raise(row.number); // a second one while the first waits changes nothing
        });
        QTimer::singleShot(10000, [] {
            QCoreApplication::exit(99);
        });
        EXPECT_EQ(QApplication::exec(), row.saved ? 0 : 1);
        EXPECT_EQ(calls, 1);
    }
    EXPECT_EQ(currentAction(row.number).sa_handler, before) << "the old handler is back";
}

INSTANTIATE_TEST_SUITE_P(Signals, QtApplicationHooksSessionTest,
        testing::Values(SessionSignal{ "Term", SIGTERM, true },
                SessionSignal{ "Hangup", SIGHUP, true }, SessionSignal{ "Interrupt", SIGINT, true },
                SessionSignal{ "TermWithFailedSave", SIGTERM, false }),
        [](const testing::TestParamInfo<SessionSignal> &row) {
            return std::string(row.param.name);
        });

} // namespace
