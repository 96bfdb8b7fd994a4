#include <QAccessible>
#include <QAccessibleActionInterface>

#include "notebook_fixture.h"

using lw::test::NotebookForm;
using namespace Qt::StringLiterals;

namespace {

class Accessible : public NotebookForm
{
protected:
    QAccessibleInterface *tabs() const { return QAccessible::queryAccessibleInterface(notebook); }

    /// Name and selected state of each page tab child, in order.
    QStringList tabList() const
    {
        QStringList list;
        for (int i = 0; i < tabs()->childCount(); ++i) {
            QAccessibleInterface *child = tabs()->child(i);
            if (child->role() == QAccessible::PageTab)
                list << child->text(QAccessible::Name) + (child->state().selected ? u" *" : u"");
        }
        return list;
    }
};

} // namespace

TEST_F(Accessible, ThePageTabListNamesItsTabsAndMarksTheShownOne)
{
    ASSERT_NE(tabs(), nullptr);
    EXPECT_EQ(tabs()->role(), QAccessible::PageTabList);
    EXPECT_EQ(tabList(), QStringList({ u"Loanwright *"_s, u"Try Homestake Suite"_s }));

    notebook->setPageIndex(1);
    EXPECT_EQ(tabList(), QStringList({ u"Loanwright"_s, u"Try Homestake Suite *"_s }));

    page1->setCaption(QStringLiteral("&Calculator"));
    page2->setPageVisible(false); // gives the page back to page 1
    EXPECT_EQ(tabList(), QStringList({ u"Calculator *"_s }));
}

TEST_F(Accessible, TabsComeFirstThenThePages)
{
    QAccessibleInterface *list = tabs();
    ASSERT_EQ(list->childCount(), 4);
    for (int i = 0; i < list->childCount(); ++i)
        EXPECT_EQ(list->indexOfChild(list->child(i)), i);
    EXPECT_EQ(list->child(2)->object(), page1);
    EXPECT_EQ(list->child(3)->object(), page2);
    EXPECT_EQ(list->child(0)->parent(), list);
    EXPECT_EQ(list->child(1)->rect(),
            QRect(notebook->mapToGlobal(notebook->tabRect(1).topLeft()),
                    notebook->tabRect(1).size()));
    const QPoint inTab2 = notebook->mapToGlobal(tabCentre(1));
    EXPECT_EQ(list->childAt(inTab2.x(), inTab2.y()), list->child(1));
}

TEST_F(Accessible, PressingATabSelectsItsPage)
{
    QAccessibleActionInterface *action = tabs()->child(1)->actionInterface();
    ASSERT_NE(action, nullptr);
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(notebook->PageIndex(), 1);
}

// The offscreen platform has no accessibility bridge, so the events sent on a selection
// cannot be watched here; what a reader asks for afterwards can.
TEST_F(Accessible, AFocusedNotebookHasItsActiveTabAsFocusChild)
{
    EXPECT_EQ(tabs()->focusChild(), nullptr);
    clickTab(0);
    ASSERT_TRUE(notebook->hasFocus());
    EXPECT_EQ(tabs()->focusChild(), tabs()->child(0));
    QTest::keyClick(notebook, Qt::Key_Right);
    EXPECT_EQ(tabs()->focusChild(), tabs()->child(1));
    EXPECT_TRUE(tabs()->child(1)->state().focused);
    EXPECT_FALSE(tabs()->child(0)->state().focused);
    EXPECT_TRUE(tabs()->state().focusable);
}
