#include "platform/widgets/qt_application_hooks.h"

#include <QApplication>
#include <QHelpEvent>
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

} // namespace
