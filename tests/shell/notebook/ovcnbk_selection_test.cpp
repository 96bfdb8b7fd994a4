#include <QApplication>
#include <QRadioButton>
#include <QSignalSpy>

#include "notebook_fixture.h"
#include "support/row_printers.h"

using lw::numeric::TOvcNumericField;
using lw::shell::EInvalidPageIndex;
using lw::shell::TOvcNotebook;
using lw::shell::TOvcTabPage;
using lw::test::NotebookForm;

namespace {

class Selection : public NotebookForm
{
protected:
    /// A third page, "&Extra", in the given state.
    TOvcTabPage *addExtraPage(bool enabled, bool tabVisible)
    {
        TOvcTabPage *extra = notebook->addPage(QStringLiteral("&Extra"));
        extra->setEnabled(enabled);
        extra->setPageVisible(tabVisible);
        return extra;
    }

    bool shows(int index) const
    {
        bool only = notebook->PageIndex() == index;
        for (int i = 0; i < notebook->PageCount(); ++i)
            only = only && notebook->Pages(i)->isVisible() == (i == index);
        return only;
    }
};

TEST_F(Selection, LoadingShowsOnlyTheDefaultPage)
{
    EXPECT_TRUE(shows(0));

    QWidget window;
    TOvcNotebook loading(&window);
    loading.addPage(QStringLiteral("one"));
    TOvcTabPage *two = loading.addPage(QStringLiteral("two"));
    loading.setDefaultPageIndex(1);
    loading.setPageIndex(0); // only stored while loading
    EXPECT_FALSE(two->isVisibleTo(&loading));
    loading.loaded();
    EXPECT_EQ(loading.PageIndex(), 1);
    EXPECT_TRUE(two->isVisibleTo(&loading));
    EXPECT_FALSE(loading.Pages(0)->isVisibleTo(&loading));
}

TEST_F(Selection, CodeSelectsThePageAndTakesItsHint)
{
    notebook->setPageIndex(1);
    EXPECT_TRUE(shows(1));
    EXPECT_EQ(notebook->statusTip(), QStringLiteral("The sibling product"));
    notebook->setPageIndex(0);
    EXPECT_TRUE(shows(0));
    EXPECT_EQ(notebook->statusTip(), QString());
}

TEST_F(Selection, TheShownIndexChangesNothingAndRunsNoExit)
{
    focusPrice();
    QSignalSpy exits(price, &TOvcNumericField::OnExit);
    notebook->setPageIndex(0);
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(price->hasFocus());
    EXPECT_TRUE(shows(0));
}

struct InvalidIndexRow
{
    const char *name;
    int index;
    bool extraEnabled;
    bool extraTabVisible;
};

LW_PRINT_ROW_NAME(InvalidIndexRow)

class InvalidIndex : public Selection, public ::testing::WithParamInterface<InvalidIndexRow>
{
};

TEST_P(InvalidIndex, ThrowsAndKeepsThePage)
{
    const InvalidIndexRow &row = GetParam();
    addExtraPage(row.extraEnabled, row.extraTabVisible);
    focusPrice();
    QSignalSpy exits(price, &TOvcNumericField::OnExit);
    try {
        notebook->setPageIndex(row.index);
        FAIL() << "no error";
    } catch (const EInvalidPageIndex &error) {
        EXPECT_EQ(error.index(), row.index);
        EXPECT_EQ(QString::fromUtf8(error.what()),
                QStringLiteral("Invalid page index: %1").arg(row.index));
    }
    EXPECT_TRUE(shows(0));
    EXPECT_TRUE(price->hasFocus());
    EXPECT_EQ(exits.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Notebook, InvalidIndex,
        ::testing::Values(InvalidIndexRow{ "BelowTheList", -1, true, true },
                InvalidIndexRow{ "PastTheList", 3, true, true },
                InvalidIndexRow{ "DisabledPage", 2, false, true },
                InvalidIndexRow{ "HiddenTab", 2, true, false }),
        lw::test::RowName());

TEST_F(Selection, TheFocusedFieldExitsBeforeThePageChanges)
{
    focusPrice();
    QStringList events;
    QObject::connect(price, &TOvcNumericField::OnExit, price, [&] {
        events << QStringLiteral("exit: page 2 %1, focus on %2")
                          .arg(page2->isVisible() ? u"shown" : u"hidden")
                          .arg(notebook->hasFocus() ? u"notebook" : u"other");
    });
    notebook->setPageIndex(1);
    EXPECT_EQ(events, QStringList({ QStringLiteral("exit: page 2 hidden, focus on notebook") }));
    EXPECT_TRUE(shows(1));
}

TEST_F(Selection, ASelectionStartedDuringAnotherIsIgnored)
{
    TOvcTabPage *extra = addExtraPage(true, true);
    focusPrice();
    QObject::connect(price, &TOvcNumericField::OnExit, price, [&] {
        notebook->setPageIndex(2);
    });
    notebook->setPageIndex(1);
    EXPECT_TRUE(shows(1));
    EXPECT_FALSE(extra->isVisible());
}

TEST_F(Selection, ShowingAControlSelectsItsPage)
{
    notebook->showControl(label);
    EXPECT_TRUE(shows(1));
    notebook->showControl(before); // outside the notebook
    EXPECT_TRUE(shows(1));
    notebook->showControl(price);
    EXPECT_TRUE(shows(0));
}

TEST_F(Selection, HidingTheShownPagesTabShowsTheNextPage)
{
    page1->setPageVisible(false);
    EXPECT_TRUE(shows(1));
}

TEST_F(Selection, DeletedPagesLeaveTheList)
{
    TOvcTabPage *extra = addExtraPage(true, true);
    notebook->setPageIndex(2);
    delete page1;
    EXPECT_EQ(notebook->PageCount(), 2);
    EXPECT_EQ(notebook->PageIndex(), 1);
    EXPECT_TRUE(extra->isVisible());
    delete extra; // the shown page: the first selectable one takes its place
    EXPECT_EQ(notebook->PageCount(), 1);
    EXPECT_TRUE(shows(0));
    EXPECT_EQ(notebook->Pages(0), page2);
}

TEST_F(Selection, AClickOnATabRunsTheExitFirstAndRestsOnTheNotebook)
{
    focusPrice();
    QStringList events;
    QObject::connect(price, &TOvcNumericField::OnExit, price, [&] {
        events << QStringLiteral("exit: page 2 %1").arg(page2->isVisible() ? u"shown" : u"hidden");
    });
    clickTab(1);
    EXPECT_EQ(events, QStringList({ QStringLiteral("exit: page 2 hidden") }));
    EXPECT_TRUE(shows(1));
    EXPECT_TRUE(notebook->hasFocus()); // page 2 has no tab stop

    // Back on page 1 the first tab stop takes the focus; the click-only field comes first
    // but is no tab stop.
    clickTab(0);
    EXPECT_TRUE(shows(0));
    EXPECT_TRUE(price->hasFocus());
}

TEST_F(Selection, AClickOnTheActiveTabFocusesTheNotebookOnly)
{
    focusPrice();
    QSignalSpy exits(price, &TOvcNumericField::OnExit);
    clickTab(0);
    EXPECT_TRUE(shows(0));
    EXPECT_TRUE(notebook->hasFocus());
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(Selection, PressesThatSelectNothingLeaveTheFocus)
{
    addExtraPage(false, true);
    focusPrice();
    clickTab(1, Qt::RightButton);
    clickTab(2); // disabled page
    const QRect last = notebook->tabRect(2);
    QTest::mouseClick(notebook, Qt::LeftButton, {}, QPoint(last.right() + 20, last.center().y()));
    QTest::mouseClick(page1, Qt::LeftButton, {}, QPoint(300, 150)); // the page's empty area
    EXPECT_TRUE(shows(0));
    EXPECT_TRUE(price->hasFocus());
}

TEST_F(Selection, AFailedEntryTakesTheFocusBackOnItsOwnPageThenReports)
{
    price->field().setRangeLo(QStringLiteral("0"));
    price->field().setRangeHi(QStringLiteral("100"));
    QStringList events;
    price->showFieldHook = [&](TOvcNumericField &field) {
        events << QStringLiteral("show field: page %1 shown, %2 boxes")
                          .arg(notebook->PageIndex() + 1)
                          .arg(feedback.errors.size());
        notebook->showControl(&field);
    };
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab); // into the price, all selected
    ASSERT_TRUE(price->hasFocus());
    QTest::keyClicks(price, QStringLiteral("150"));
    clickTab(1);
    EXPECT_TRUE(shows(1)); // the failure does not stop the click
    QApplication::processEvents();

    EXPECT_EQ(events, QStringList({ QStringLiteral("show field: page 2 shown, 0 boxes") }));
    EXPECT_TRUE(shows(0));
    EXPECT_TRUE(price->hasFocus());
    EXPECT_EQ(price->paintedText(), QStringLiteral("150"));
    EXPECT_EQ(
            feedback.errors, QStringList({ QStringLiteral("Value is not within required range") }));
}

struct KeyRow
{
    const char *name;
    int start;
    Qt::Key key;
    int expected;
};

LW_PRINT_ROW_NAME(KeyRow)

class Keyboard : public Selection, public ::testing::WithParamInterface<KeyRow>
{
};

// A disabled third page lies between page 2 and the wrap back to page 1.
TEST_P(Keyboard, SelectsAndKeepsTheFocusOnTheNotebook)
{
    const KeyRow &row = GetParam();
    addExtraPage(false, true);
    clickTab(row.start); // a click on the active tab focuses the notebook too
    ASSERT_TRUE(notebook->hasFocus());
    QTest::keyClick(notebook, row.key);
    EXPECT_TRUE(shows(row.expected));
    EXPECT_TRUE(notebook->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Notebook, Keyboard,
        ::testing::Values(KeyRow{ "LeftFromPage2", 1, Qt::Key_Left, 0 },
                KeyRow{ "LeftWrapsFromPage1", 0, Qt::Key_Left, 1 },
                KeyRow{ "RightFromPage1", 0, Qt::Key_Right, 1 },
                KeyRow{ "RightWrapsPastTheDisabledPage", 1, Qt::Key_Right, 0 },
                KeyRow{ "HomeSelectsTheFirst", 1, Qt::Key_Home, 0 },
                KeyRow{ "EndSelectsTheLastSelectable", 0, Qt::Key_End, 1 },
                KeyRow{ "UpDoesNothing", 1, Qt::Key_Up, 1 },
                KeyRow{ "DownDoesNothing", 0, Qt::Key_Down, 0 }),
        lw::test::RowName());

// A lone radio button ignores every one of these keys, so Qt hands them up to the notebook.
TEST_F(Selection, KeysAPageControlLeavesGoPastTheNotebook)
{
    auto *term = new QRadioButton(QStringLiteral("30"), page1); // owned by the page
    term->show();
    term->setFocus(Qt::TabFocusReason);
    for (const Qt::Key key : { Qt::Key_Right, Qt::Key_Left, Qt::Key_Home, Qt::Key_End }) {
        QTest::keyClick(term, key);
        EXPECT_TRUE(shows(0)) << static_cast<int>(key);
        EXPECT_TRUE(term->hasFocus()) << static_cast<int>(key);
    }
}

TEST_F(Selection, AltAndTheAcceleratorSelectThePageFromAnywhereInTheWindow)
{
    addExtraPage(true, true);
    focusPrice();
    QTest::keyClick(price, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(shows(2));
}

} // namespace
