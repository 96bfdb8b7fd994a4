#include <QAccessible>
#include <QCloseEvent>
#include <QPointer>
#include <QScreen>

#include "shell/dialog_fixture.h"
#include "shell/uFrmAbout.h"
#include "shell/uFrmDisclaim.h"
#include "support/row_printers.h"

using lw::shell::TfrmMain;
using lw::test::DialogTest;
using lw::test::RowName;

namespace {

void clickAbout(TfrmMain &w)
{
    QTest::mouseClick(w.btnAbout, Qt::LeftButton);
}

void helpAbout(TfrmMain &w)
{
    w.About1->trigger();
}

void popupAbout(TfrmMain &w)
{
    w.mnuPopAbout->trigger();
}

void helpDisclaimer(TfrmMain &w)
{
    w.mnuHelpDisclaimer->trigger();
}

/// A control of the window that opens one of its dialogs.
struct Opener
{
    const char *name;
    void (*open)(TfrmMain &window);
    bool about; // the About dialog, else the Disclaimer
};
LW_PRINT_ROW_NAME(Opener)

const Opener AboutButton{ "AboutButton", clickAbout, true };
const Opener Disclaimer{ "HelpDisclaimer", helpDisclaimer, false };

QWidget *current(const Opener &opener)
{
    return opener.about ? static_cast<QWidget *>(lw::shell::frmAbout)
                        : static_cast<QWidget *>(lw::shell::frmDisclaim);
}

class OpenerTest : public DialogTest, public ::testing::WithParamInterface<Opener>
{
protected:
    void open(const std::function<void(QWidget &)> &action)
    {
        whileOpen(std::bind(GetParam().open, std::ref(*window)), action);
    }
};

} // namespace

TEST_P(OpenerTest, EachShowingIsAFreshModalDialogReleasedOnceAfterItClosed)
{
    start();
    int shown = 0;
    int destroyed = 0;
    for (int showing = 0; showing < 2; ++showing)
        open([&](QWidget &dialog) {
            ++shown;
            // The one shown before is gone, so this is a fresh object (the allocator may well
            // give it the same address).
            EXPECT_EQ(destroyed, showing);
            EXPECT_EQ(current(GetParam()), &dialog) << "the global names the dialog shown";
            EXPECT_TRUE(dialog.isModal());
            QObject::connect(&dialog, &QObject::destroyed, [&destroyed] {
                ++destroyed;
            });
            dialog.close();
        });
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(current(GetParam()), nullptr) << "no global names a released dialog";
}

TEST_P(OpenerTest, ACloseRequestFromTheWindowManagerClosesItLikeItsButton)
{
    start();
    QPointer<QWidget> shown;
    open([&](QWidget &dialog) {
        shown = &dialog;
        // As a window manager's request arrives: at the window, not the widget.
        QCloseEvent request;
        QCoreApplication::sendEvent(dialog.windowHandle(), &request);
    });
    EXPECT_TRUE(shown.isNull()) << "closed and released";
}

TEST_P(OpenerTest, EveryControlAUserCanReachHasARoleAndAName)
{
    start();
    open([&](QWidget &dialog) {
        for (QWidget *control : dialog.findChildren<QWidget *>()) {
            if (!control->isVisible())
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
            const std::string kind = control->metaObject()->className();
            ASSERT_NE(face, nullptr) << kind;
            EXPECT_NE(face->role(), QAccessible::NoRole) << kind;
            EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty()) << kind;
        }
        dialog.close();
    });
}

TEST_P(OpenerTest, ItAsksTheWindowManagerForATitleBarWithoutButtons)
{
    lw::test::RecordingWindowChrome frame;
    chrome = &frame;
    start();
    std::uintptr_t shownAs = 0;
    open([&](QWidget &dialog) {
        shownAs = dialog.winId();
        dialog.close();
    });
    EXPECT_EQ(frame.buttonless, QList<std::uintptr_t>({ shownAs }));
}

// As a window manager that offers a minimise box anyway takes the window below along.
TEST_P(OpenerTest, AMinimisedDialogComesBackWithTheWindowBelow)
{
    start();
    open([&](QWidget &dialog) {
        window->setWindowState(Qt::WindowMinimized);
        dialog.setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        EXPECT_FALSE(dialog.isMinimized());
        EXPECT_FALSE(window->isMinimized());
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();
    });
}

INSTANTIATE_TEST_SUITE_P(Dialogs, OpenerTest,
        ::testing::Values(AboutButton, Opener{ "HelpAbout", helpAbout, true },
                Opener{ "PopupAbout", popupAbout, true }, Disclaimer),
        RowName());

namespace {

/// A key pressed in an open dialog, and whether it closes it.
struct KeyRow
{
    const char *name;
    Opener opener;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool closes;
};
LW_PRINT_ROW_NAME(KeyRow)

class DialogKeyTest : public DialogTest, public ::testing::WithParamInterface<KeyRow>
{
};

} // namespace

TEST_P(DialogKeyTest, ClosesOnlyThroughItsOkButton)
{
    start();
    const KeyRow &row = GetParam();
    whileOpen(std::bind(row.opener.open, std::ref(*window)), [&](QWidget &dialog) {
        const QPointer<QWidget> open = &dialog;
        EXPECT_EQ(closesOn(dialog, row.key, row.modifiers), row.closes);
        if (open && open->isVisible())
            open->close();
    });
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeyTest,
        ::testing::Values(KeyRow{ "AboutReturn", AboutButton, Qt::Key_Return, {}, true },
                KeyRow{ "AboutEnter", AboutButton, Qt::Key_Enter, Qt::KeypadModifier, true },
                KeyRow{ "AboutSpace", AboutButton, Qt::Key_Space, {}, true },
                KeyRow{ "AboutAltO", AboutButton, Qt::Key_O, Qt::AltModifier, true },
                KeyRow{ "AboutEscape", AboutButton, Qt::Key_Escape, {}, false },
                KeyRow{ "DisclaimerAltO", Disclaimer, Qt::Key_O, Qt::AltModifier, true },
                KeyRow{ "DisclaimerEscape", Disclaimer, Qt::Key_Escape, {}, false },
                KeyRow{ "DisclaimerReturn", Disclaimer, Qt::Key_Return, {}, false },
                KeyRow{ "DisclaimerSpace", Disclaimer, Qt::Key_Space, {}, false }),
        RowName());

namespace {

/// Where the main window's frame stands when a dialog opens, from the screen and its size.
struct Placement
{
    const char *name;
    Opener opener;
    QPoint (*mainAt)(const QRect &screen, const QSize &mainFrame);
};
LW_PRINT_ROW_NAME(Placement)

QPoint at100(const QRect &, const QSize &)
{
    return { 100, 100 };
}

QPoint atTheRightEdge(const QRect &screen, const QSize &frame)
{
    return { screen.right() - frame.width() / 3, 100 };
}

QPoint aboveAndLeftOfTheOrigin(const QRect &, const QSize &frame)
{
    return { -frame.width() / 2 - 40, -frame.height() / 2 - 30 };
}

class PlacementTest : public DialogTest, public ::testing::WithParamInterface<Placement>
{
};

} // namespace

TEST_P(PlacementTest, TheDialogIsCentredOverTheWindowWithoutClamping)
{
    start();
    const QRect screen = window->screen()->geometry();
    window->move(GetParam().mainAt(screen, window->frameGeometry().size()));
    const QRect main = window->frameGeometry();
    ASSERT_EQ(main.topLeft(), GetParam().mainAt(screen, main.size())) << "the window moved there";
    QRect dialogFrame;
    whileOpen(std::bind(GetParam().opener.open, std::ref(*window)), [&](QWidget &dialog) {
        dialogFrame = dialog.frameGeometry();
        dialog.close();
    });
    // Halves truncated toward zero, as C++ divides int.
    const QPoint expected(main.left() + (main.width() - dialogFrame.width()) / 2,
            main.top() + (main.height() - dialogFrame.height()) / 2);
    EXPECT_EQ(dialogFrame.topLeft(), expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, PlacementTest,
        ::testing::Values(Placement{ "AboutAt100", AboutButton, at100 },
                Placement{ "AboutAtTheRightEdge", AboutButton, atTheRightEdge },
                Placement{ "AboutAboveAndLeftOfTheOrigin", AboutButton, aboveAndLeftOfTheOrigin },
                Placement{ "DisclaimerAt100", Disclaimer, at100 },
                Placement{
                        "DisclaimerAboveAndLeftOfTheOrigin", Disclaimer, aboveAndLeftOfTheOrigin }),
        RowName());
