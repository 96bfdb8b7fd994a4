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

/// A way the window opens one of its dialogs.
struct Opener
{
    const char *name;
    void (*open)(TfrmMain &window);
    bool about; // the About dialog, else the Disclaimer
};
LW_PRINT_ROW_NAME(Opener)

const Opener AboutButton{ "AboutButton",
    [](TfrmMain &w) {
        QTest::mouseClick(w.btnAbout, Qt::LeftButton);
    },
    true };
const Opener HelpAbout{ "HelpAbout",
    [](TfrmMain &w) {
        w.About1->trigger();
    },
    true };
const Opener PopupAbout{ "PopupAbout",
    [](TfrmMain &w) {
        w.mnuPopAbout->trigger();
    },
    true };
const Opener HelpDisclaimer{ "HelpDisclaimer",
    [](TfrmMain &w) {
        w.mnuHelpDisclaimer->trigger();
    },
    false };

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
        whileOpen(
                [this] {
                    GetParam().open(*window);
                },
                action);
    }
};

} // namespace

TEST_P(OpenerTest, ShowsAFreshDialogModallyAndReleasesItOnceAfterItClosed)
{
    start();
    QWidget *shown = nullptr;
    int destroyed = 0;
    open([&](QWidget &dialog) {
        shown = &dialog;
        EXPECT_EQ(current(GetParam()), &dialog) << "the global names the dialog shown";
        EXPECT_TRUE(dialog.isModal());
        QObject::connect(&dialog, &QObject::destroyed, [&destroyed] {
            ++destroyed;
        });
        dialog.close();
    });
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(current(GetParam()), nullptr) << "no global names a released dialog";
}

TEST_P(OpenerTest, ACloseRequestFromTheWindowManagerClosesItLikeItsButton)
{
    start();
    bool visibleAfterRequest = true;
    open([&](QWidget &dialog) {
        // As a window manager's request arrives: at the window, not the widget.
        QCloseEvent request;
        QCoreApplication::sendEvent(dialog.windowHandle(), &request);
        visibleAfterRequest = dialog.isVisible();
    });
    EXPECT_FALSE(visibleAfterRequest);
}

TEST_P(OpenerTest, HasATitleButNoTitleBarButtonsAndAFixedClientArea)
{
    start();
    open([&](QWidget &dialog) {
        const Qt::WindowFlags flags = dialog.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        for (const Qt::WindowType button : { Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint,
                     Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint })
            EXPECT_FALSE(flags.testFlag(button)) << button;
        const QSize client = GetParam().about ? QSize(447, 290) : QSize(338, 133);
        EXPECT_EQ(dialog.minimumSize(), client);
        EXPECT_EQ(dialog.maximumSize(), client);
        dialog.close();
    });
}

TEST_P(OpenerTest, EveryControlAUserCanReachHasARoleAndAName)
{
    start();
    open([&](QWidget &dialog) {
        for (QWidget *control : dialog.findChildren<QWidget *>()) {
            if (!control->isVisible())
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(face, nullptr) << control->metaObject()->className();
            EXPECT_NE(face->role(), QAccessible::NoRole) << control->metaObject()->className();
            EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty())
                    << control->metaObject()->className() << " "
                    << control->objectName().toStdString();
        }
        dialog.close();
    });
}

INSTANTIATE_TEST_SUITE_P(Dialogs, OpenerTest,
        ::testing::Values(AboutButton, HelpAbout, PopupAbout, HelpDisclaimer), RowName());

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
    whileOpen(
            [&] {
                row.opener.open(*window);
            },
            [&](QWidget &dialog) {
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
                KeyRow{ "DisclaimerAltO", HelpDisclaimer, Qt::Key_O, Qt::AltModifier, true },
                KeyRow{ "DisclaimerEscape", HelpDisclaimer, Qt::Key_Escape, {}, false },
                KeyRow{ "DisclaimerReturn", HelpDisclaimer, Qt::Key_Return, {}, false },
                KeyRow{ "DisclaimerSpace", HelpDisclaimer, Qt::Key_Space, {}, false }),
        RowName());

namespace {

/// Where the main window stands when a dialog opens.
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
    whileOpen(
            [&] {
                GetParam().opener.open(*window);
            },
            [&](QWidget &dialog) {
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
                Placement{ "DisclaimerAt100", HelpDisclaimer, at100 },
                Placement{ "DisclaimerAboveAndLeftOfTheOrigin", HelpDisclaimer,
                        aboveAndLeftOfTheOrigin }),
        RowName());

namespace {

/// Where the main window stands when CenterForm places a form during its creation.
struct CentreRow
{
    const char *name;
    QPoint mainAt;
};
LW_PRINT_ROW_NAME(CentreRow)

class CenterFormTest : public DialogTest, public ::testing::WithParamInterface<CentreRow>
{
};

} // namespace

TEST_P(CenterFormTest, CentresOverTheWindowButNeverBeforeTheOrigin)
{
    start();
    window->move(GetParam().mainAt);
    const QRect main = window->frameGeometry();
    // An unshown form gets the frame the window manager gave the main window.
    const QMargins frame(window->geometry().left() - main.left(),
            window->geometry().top() - main.top(), main.right() - window->geometry().right(),
            main.bottom() - window->geometry().bottom());
    QWidget form;
    form.resize(447, 290);
    const QSize outer = form.size().grownBy(frame);
    window->CenterForm(form);
    EXPECT_EQ(form.pos(),
            QPoint(std::max(0, main.left() + (main.width() - outer.width()) / 2),
                    std::max(0, main.top() + (main.height() - outer.height()) / 2)));
}

INSTANTIATE_TEST_SUITE_P(Positions, CenterFormTest,
        ::testing::Values(CentreRow{ "At100", { 100, 100 } },
                CentreRow{ "AboveAndLeftOfTheOrigin", { -400, -300 } }),
        RowName());

namespace {

/// A control of an open dialog whose long hint the main window's status bar shows.
struct HintRow
{
    const char *name;
    Opener opener;
    QWidget *(*control)();
    const char16_t *longHint;
};
LW_PRINT_ROW_NAME(HintRow)

class DialogHintTest : public DialogTest, public ::testing::WithParamInterface<HintRow>
{
};

} // namespace

TEST_P(DialogHintTest, ThePointerOverAControlPutsItsLongHintIntoTheMainStatusBar)
{
    start();
    const QString expected = QString::fromUtf16(GetParam().longHint);
    whileOpen(
            [&] {
                GetParam().opener.open(*window);
            },
            [&](QWidget &dialog) {
                pointAt(GetParam().control());
                // The hint is read once the queue has handled the move.
                EXPECT_TRUE(QTest::qWaitFor([&] {
                    return window->HintPanel->Text() == expected;
                })) << window->HintPanel->Text().toStdString();
                dialog.close();
            });
}

INSTANTIATE_TEST_SUITE_P(Hints, DialogHintTest,
        ::testing::Values(HintRow{ "Logo", AboutButton,
                                  [] {
                                      return static_cast<QWidget *>(lw::shell::frmAbout->imgLogo);
                                  },
                                  u"Click to visit our web site ..." },
                HintRow{ "HomeLink", AboutButton,
                        [] {
                            return static_cast<QWidget *>(lw::shell::frmAbout->urlHome);
                        },
                        u"Click Here to Visit Our Web Site ..." },
                HintRow{ "ReadLicense", AboutButton,
                        [] {
                            return static_cast<QWidget *>(lw::shell::frmAbout->btnShowLicense);
                        },
                        u"Show Software License ..." },
                HintRow{ "AboutOk", AboutButton,
                        [] {
                            return static_cast<QWidget *>(lw::shell::frmAbout->btnClose);
                        },
                        u"Close About Window" },
                HintRow{ "DisclaimerOk", HelpDisclaimer,
                        [] {
                            return static_cast<QWidget *>(lw::shell::frmDisclaim->btnClose);
                        },
                        u" Close Disclaimer" }),
        RowName());
