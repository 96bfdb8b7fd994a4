#include "shell/deferred_window_icon.h"

#include <optional>

#include <QTest>

#include <gtest/gtest.h>

using lw::shell::DeferredWindowIcon;

namespace {

// Notes whether the window already had an icon when it was first painted.
class PaintWatch final : public QWidget
{
public:
    std::optional<bool> iconAtFirstPaint;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!iconAtFirstPaint)
            iconAtFirstPaint = !windowIcon().isNull();
    }
};

} // namespace

TEST(DeferredWindowIconTest, TheIconFollowsTheFirstPaint)
{
    PaintWatch window;
    new DeferredWindowIcon(window); // owned by the window
    window.resize(120, 80);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !window.windowIcon().isNull();
    }));
    ASSERT_TRUE(window.iconAtFirstPaint.has_value());
    EXPECT_FALSE(*window.iconAtFirstPaint);
}
