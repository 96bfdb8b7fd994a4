#include "shell/uFrmAbout.h"

#include <QAccessible>
#include <QFile>

#include "core/app_texts.h"
#include "shell/dialog_fixture.h"
#include "support/row_printers.h"

using lw::shell::TfrmAbout;
using lw::test::DialogTest;
using lw::test::RowName;

namespace {

class AboutTest : public DialogTest
{
protected:
    /// Opens the About dialog from the toolbar and runs action on it while it is open; the
    /// dialog is closed through its OK button afterwards.
    void withAbout(const std::function<void(TfrmAbout &)> &action)
    {
        whileOpen(
                [this] {
                    QTest::mouseClick(window->btnAbout, Qt::LeftButton);
                },
                [&](QWidget &dialog) {
                    action(*lw::shell::frmAbout);
                    if (dialog.isVisible())
                        QTest::mouseClick(lw::shell::frmAbout->btnClose, Qt::LeftButton);
                });
    }

    static QString accessibleName(QWidget *control)
    {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }
};

/// A desktop that fails with an exception of its own, not with an answer.
struct BrokenDesktopShell final : lw::platform::DesktopShell
{
    bool open(const QString &, LateFailure) override { throw std::runtime_error("no desktop"); }
};

} // namespace

TEST_F(AboutTest, ShowsTheProgramItsReleaseAndTheLegalNoticeToScreenReadersToo)
{
    start();
    withAbout([](TfrmAbout &about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral(" About Loanwright, 4.5.1"));
        const QList<std::pair<QLabel *, QString>> texts{ { about.lblTitle, u"Loanwright"_qs },
            { about.lblVersion, u"Version 4.5.1"_qs },
            { about.lblCompileDate, u"Compiled February 11, 2010"_qs } };
        for (const auto &[label, text] : texts) {
            EXPECT_EQ(label->text(), text);
            EXPECT_EQ(accessibleName(label), text);
            EXPECT_GE(label->width(), label->sizeHint().width()) << "sized to its text";
        }
    });
}

TEST_F(AboutTest, TheLegalNoticeAgreesWithTheLicenceInstalledBesideTheProgram)
{
    QFile licence(QStringLiteral(LW_LICENSE_FILE));
    ASSERT_TRUE(licence.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(licence.readAll()).split(u'\n');
    start();
    withAbout([&](TfrmAbout &about) {
        EXPECT_TRUE(lines.contains(about.lblCopyright->text())) << "the licence's own line";
        EXPECT_EQ(lines.first(), QStringLiteral("MIT License"));
        EXPECT_TRUE(about.lblRights->text().contains(lines.first()));
        EXPECT_TRUE(about.lblRights->text().contains(QStringLiteral("License.txt")));
        EXPECT_TRUE(about.Label1->text().contains(QStringLiteral("without warranty")));
    });
}

TEST_F(AboutTest, OkIsTheFirstTabStopAndHasTheFocus)
{
    start();
    withAbout([](TfrmAbout &about) {
        EXPECT_EQ(QApplication::focusWidget(), about.btnClose);
        QTest::keyClick(about.btnClose, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), about.btnShowLicense);
    });
}

namespace {

/// A control of the About dialog that leads to the maker's site.
struct Sender
{
    const char *name;
    QWidget *(*control)(TfrmAbout &about);
};
LW_PRINT_ROW_NAME(Sender)

class AboutSenderTest : public AboutTest, public ::testing::WithParamInterface<Sender>
{
};

using AboutPictureTest = AboutSenderTest;

} // namespace

TEST_P(AboutSenderTest, AClickOpensTheMakersSiteWithTheReferralTag)
{
    start();
    withAbout([](TfrmAbout &about) {
        QTest::mouseClick(GetParam().control(about), Qt::LeftButton);
        EXPECT_TRUE(about.isVisible()) << "the dialog stays open";
    });
    EXPECT_EQ(desktop.opened,
            QStringList{ QStringLiteral("https://www.brannock.example/?ref=LWC451") });
}

TEST_P(AboutPictureTest, ShowsTheHandOnceThePointerHasMovedOverIt)
{
    start();
    withAbout([](TfrmAbout &about) {
        QWidget *control = GetParam().control(about);
        EXPECT_NE(control->cursor().shape(), Qt::PointingHandCursor) << "before the first move";
        pointAt(control);
        EXPECT_EQ(control->cursor().shape(), Qt::PointingHandCursor);
    });
}

const Sender Logo{ "Logo", [](TfrmAbout &a) -> QWidget * {
                      return a.imgLogo;
                  } };
const Sender Icon{ "Icon", [](TfrmAbout &a) -> QWidget * {
                      return a.imgAboutIcon;
                  } };
const Sender HomeLink{ "HomeLink", [](TfrmAbout &a) -> QWidget * {
                          return a.urlHome;
                      } };

INSTANTIATE_TEST_SUITE_P(
        Senders, AboutSenderTest, ::testing::Values(Logo, Icon, HomeLink), RowName());
INSTANTIATE_TEST_SUITE_P(Pictures, AboutPictureTest, ::testing::Values(Logo, Icon), RowName());

TEST_F(AboutTest, TheLicenceOpensFromTheProgramsFolderWhateverTheWorkingFolderAndUnchecked)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    start();
    withAbout([](TfrmAbout &about) {
        QTest::mouseClick(about.btnShowLicense, Qt::LeftButton);
    });
    QDir::setCurrent(working);
    // The program folder holds no licence here: the desktop is asked all the same.
    EXPECT_EQ(desktop.opened, QStringList{ programDir.path() + u"/License.txt" });
    EXPECT_TRUE(QDir::isAbsolutePath(desktop.opened.value(0)));
    EXPECT_TRUE(feedback.information.isEmpty());
    EXPECT_TRUE(feedback.errors.isEmpty());
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(AboutTest, ThePointerOverAControlPutsItsLongHintIntoTheMainStatusBar)
{
    start();
    withAbout([this](TfrmAbout &about) {
        const QList<QWidget *> controls{ about.imgLogo, about.urlHome, about.btnShowLicense,
            about.btnClose };
        for (QWidget *control : controls) {
            const QString hint = lw::core::hintLongPart(control->statusTip());
            pointAt(control);
            // The hint is read once the queue has handled the move.
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return window->HintPanel->Text() == hint;
            })) << hint.toStdString();
        }
    });
}

TEST_F(AboutTest, AnErrorInAHandlerReachesTheApplicationsHandlerAndTheDialogStaysUsable)
{
    BrokenDesktopShell broken;
    shell = &broken;
    start();
    withAbout([](TfrmAbout &about) {
        QTest::mouseClick(about.imgLogo, Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
    });
    EXPECT_EQ(feedback.information, QStringList{ lw::core::unidentifiedErrorMessage() });
    EXPECT_EQ(lw::shell::frmAbout, nullptr);
}

TEST_F(AboutTest, TheHomeLinkIsPaintedInBlue)
{
    start();
    withAbout([](TfrmAbout &about) {
        const QImage painted = about.urlHome->grab().toImage();
        int blue = 0;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                blue += painted.pixelColor(x, y) == QColor(Qt::blue) ? 1 : 0;
        EXPECT_GT(blue, 0);
    });
}
