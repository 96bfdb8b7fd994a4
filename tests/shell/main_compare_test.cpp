#include <QTableView>

#include "main_fixture.h"
#include "shell/schedule/compare_page.h"
#include "shell/schedule/schedule_window.h"

namespace lw::test {

namespace {

using shell::ComparePage;

class CompareOpening : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
        start();
    }

    ComparePage *openByShortcut()
    {
        window->edtSalesPrice->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(window->edtSalesPrice, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        return window->findChild<ComparePage *>();
    }

    QString loanShown(ComparePage *page) const
    {
        const QAbstractItemModel *model = page->findChild<QTableView *>()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->headerData(r, Qt::Vertical).toString() == u"Loan")
                return model->index(r, 0).data().toString();
        return {};
    }
};

TEST_F(CompareOpening, ShortcutShowsItBesideTheScheduleFollowingEachPass)
{
    ComparePage *page = openByShortcut();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    EXPECT_TRUE(window->findChild<shell::ScheduleWindow *>()->isAncestorOf(page));
    EXPECT_EQ(loanShown(page), u"$80,000.00") << "the default loan";
    window->activateWindow();
    window->edtDownPayment->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(window->edtDownPayment, QStringLiteral("40000"));
    QTest::keyClick(window->edtDownPayment, Qt::Key_Tab);
    EXPECT_EQ(loanShown(page), u"$60,000.00") << "100,000 less 40,000";
}

TEST_F(CompareOpening, OffersAreKeptAcrossRuns)
{
    ComparePage *page = openByShortcut();
    ASSERT_NE(page, nullptr);
    page->addOffer();
    page->addOffer();
    const core::CompareValues chosen = page->values();
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(savedLines().contains("[CompareOffers]"));
    window.reset();
    start();
    EXPECT_EQ(openByShortcut()->values(), chosen);
}

} // namespace

} // namespace lw::test
