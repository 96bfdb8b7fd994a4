#include "platform/widgets/qt_application_hooks.h"

#include <csignal>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QHelpEvent>
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
