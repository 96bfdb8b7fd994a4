#include "shell/uFrmDisclaim.h"

#include "shell/dialog_fixture.h"

using lw::shell::TfrmDisclaim;
using lw::test::DialogTest;

namespace {

class DisclaimerTest : public DialogTest
{
protected:
    void withDisclaimer(const std::function<void(TfrmDisclaim &)> &action)
    {
        whileOpen(
                [this] {
                    window->mnuHelpDisclaimer->trigger();
                },
                [&](QWidget &) {
                    action(*lw::shell::frmDisclaim);
                });
    }
};

} // namespace

TEST_F(DisclaimerTest, TheLabelHoldsTheWarningByteForByteAndFillsItsRectangle)
{
    start();
    withDisclaimer([](TfrmDisclaim &disclaimer) {
        EXPECT_EQ(disclaimer.HTMLabel1->renderedText(),
                QStringLiteral(
                        "<P align=\"center\">Though effort was made to ensure the accuracy of "
                        "these calculations, <b>there is NO WARRANTY,  express or implied, for "
                        "the accuracy or applicability of this information to your particular "
                        "financial question.</b>  Consult your financial advisor before making "
                        "any financial decision.</P>"));
        EXPECT_FALSE(disclaimer.HTMLabel1->Transparent());
        EXPECT_EQ(disclaimer.HTMLabel1->geometry(), QRect(4, 7, 330, 82));
        QTest::mouseClick(disclaimer.btnClose, Qt::LeftButton);
    });
}

TEST_F(DisclaimerTest, ItsButtonTakesNoFocusAndAClickOnItClosesAndReleasesTheDialog)
{
    start();
    int destroyed = 0;
    withDisclaimer([&](TfrmDisclaim &disclaimer) {
        EXPECT_EQ(QApplication::focusWidget(), nullptr);
        QObject::connect(&disclaimer, &QObject::destroyed, [&destroyed] {
            ++destroyed;
        });
        QTest::mouseClick(disclaimer.btnClose, Qt::LeftButton);
        EXPECT_FALSE(disclaimer.isVisible());
    });
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(lw::shell::frmDisclaim, nullptr);
}
