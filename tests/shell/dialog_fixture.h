#pragma once

#include <functional>

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "shell/main_fixture.h"

namespace lw::test {

/// The calculator window with a way to act on a modal dialog while it is open.
class DialogTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
    }

    /// Opens a dialog through `open` and runs `action` from a zero timer inside its modal loop,
    /// with the dialog shown and active. A dialog the action leaves open is a failure and is
    /// closed, so the test ends. Afterwards, the released dialog is destroyed.
    void whileOpen(const std::function<void()> &open, const std::function<void(QWidget &)> &action)
    {
        bool ran = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ran = true;
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr) << "no dialog is open";
            // Active for the widgets too: keys and shortcuts reach it.
            ASSERT_TRUE(QTest::qWaitFor([dialog] {
                return dialog->isActiveWindow();
            }));
            action(*dialog);
            if (QWidget *still = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "the dialog is still open";
                still->close();
            }
        });
        timer.start(0);
        open();
        timer.stop();
        EXPECT_TRUE(ran) << "no modal loop ran";
        releasedNow();
    }

    /// Destroys what was released to the event loop.
    static void releasedNow()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    /// Whether a key, pressed as on the keyboard (shortcuts first), closes the open dialog.
    static bool closesOn(QWidget &dialog, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        const QPointer<QWidget> open = &dialog;
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &dialog, key, modifiers);
        // A button's accelerator shows the button pressed for a moment before it clicks; a
        // dialog that frees itself may be gone after that.
        constexpr int PressShownMs = 300;
        return QTest::qWaitFor(
                [&open] {
                    return !open || !open->isVisible();
                },
                PressShownMs);
    }

    /// Moves the pointer over a control of a dialog as the desktop reports it: to the dialog's
    /// window, which lies over the main window. Then the queue falls idle.
    static void pointAt(QWidget *control)
    {
        QWidget *top = control->window();
        // From the corner first: a move to where an earlier test left the pointer is no move.
        QTest::mouseMove(top->windowHandle(), QPoint(0, 0));
        QTest::mouseMove(top->windowHandle(), control->mapTo(top, control->rect().center()));
        QCoreApplication::processEvents();
    }
};

} // namespace lw::test
