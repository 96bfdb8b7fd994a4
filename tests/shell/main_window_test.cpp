#include <QAccessible>
#include <QLabel>
#include <QMenuBar>

#include "shell/main_fixture.h"

using namespace lw::test;
using namespace Qt::StringLiterals;

namespace {

class MainLookTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
        start();
    }

    QMenu *topMenu(int index) const { return window->menuBar()->actions().at(index)->menu(); }
};

/// A menu's entries as a user sees them: captions, "-" for a separator, hidden ones left out.
QStringList shownEntries(const QMenu *menu)
{
    QStringList shown;
    for (const QAction *entry : menu->actions())
        if (entry->isVisible())
            shown << (entry->isSeparator() ? u"-"_s : entry->text());
    return shown;
}

/// Every entry, hidden ones marked (a hidden action always reports itself disabled too).
QStringList allEntries(const QMenu *menu)
{
    QStringList all;
    for (const QAction *entry : menu->actions()) {
        QString item = entry->isSeparator() ? u"-"_s : entry->text();
        if (!entry->isVisible())
            item += u" (hidden)";
        all << item;
    }
    return all;
}

QList<QAction *> allActions(const QMenu *menu)
{
    QList<QAction *> actions;
    for (QAction *entry : menu->actions()) {
        actions << entry;
        if (entry->menu())
            actions << allActions(entry->menu());
    }
    return actions;
}

} // namespace

TEST_F(MainLookTest, MenusShowExactlyTheirCaptionsAndHideThePrintEntries)
{
    QStringList titles;
    for (const QAction *menu : window->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{ u"&File"_s, u"&Online Resources"_s, u"&Help"_s }));
    EXPECT_EQ(shownEntries(topMenu(0)),
            (QStringList{ u"&Reset"_s, u"Amortization &Schedule..."_s, u"Compare &Offers..."_s,
                    u"What Can I &Afford?..."_s, u"-"_s, u"E&xit"_s }));
    EXPECT_EQ(allEntries(topMenu(0)),
            (QStringList{ u"&Reset"_s, u"Amortization &Schedule..."_s, u"Compare &Offers..."_s,
                    u"What Can I &Afford?..."_s, u"- (hidden)"_s, u"Prin&t Setup... (hidden)"_s,
                    u"&Print... (hidden)"_s, u"-"_s, u"E&xit"_s }));
    EXPECT_EQ(shownEntries(topMenu(1)),
            (QStringList{ u"&www.brannock.example ..."_s, u"&Information about this Program ..."_s,
                    u"&Suggestion Box ..."_s, u"&Online Support ..."_s,
                    u"Free Financial Software ..."_s, u"-"_s, u"Ferrowind &Blog ..."_s, u"-"_s,
                    u"Contact Brannock Software by &Email"_s, u"-"_s,
                    u"&Trial Versions of Financial Software"_s, u"-"_s,
                    u"Check for a &New Version of this Software ..."_s }));
    const QList<QAction *> online = topMenu(1)->actions();
    EXPECT_EQ(shownEntries(online.at(8)->menu()),
            (QStringList{ u"&Send Suggestions"_s, u"&Request Support"_s }));
    EXPECT_EQ(shownEntries(online.at(10)->menu()).size(), 7);
    EXPECT_EQ(shownEntries(topMenu(2)),
            (QStringList{ u"&Contents"_s, u"&Disclaimer ..."_s, u"-"_s, u"&About ..."_s }));
    EXPECT_EQ(shownEntries(window->mnuPop),
            (QStringList{ u"&Reset"_s, u"Amortization &Schedule..."_s, u"Compare &Offers..."_s,
                    u"-"_s, u"&About..."_s, u"-"_s, u"E&xit"_s }));
    EXPECT_EQ(allEntries(window->mnuPop).at(4), u"Print Setup... (hidden)"_s);
}

TEST_F(MainLookTest, OnlyContentsAndTheCompanionPagesHaveAShortcutOnlyTheDisclaimerLacksAnImage)
{
    QList<QAction *> entries = allActions(window->mnuPop);
    for (int menu = 0; menu < 3; ++menu)
        entries << allActions(topMenu(menu));
    for (const QAction *entry : entries) {
        if (entry->isSeparator())
            continue;
        EXPECT_EQ(entry->shortcut().isEmpty(),
                entry != window->Contents1 && entry != window->mnuFileSchedule
                        && entry != window->mnuFileCompare && entry != window->mnuFileAfford)
                << entry->text().toStdString();
        EXPECT_EQ(entry->icon().isNull(), entry == window->mnuHelpDisclaimer)
                << entry->text().toStdString();
        if (!entry->icon().isNull()) {
            EXPECT_EQ(entry->icon().availableSizes(), QList<QSize>{ QSize(16, 16) })
                    << entry->text().toStdString() << ": one image, not a strip";
        }
    }
    EXPECT_EQ(window->Contents1->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainLookTest, ControlsStandWhereTheFormPutsThem)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(657, 384));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window is not resizable";
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->pnlTop->geometry(), QRect(0, 0, 657, 32));
    EXPECT_EQ(window->btnReset->geometry(), QRect(3, 3, 26, 26));
    EXPECT_EQ(window->btnAbout->geometry(), QRect(81, 3, 26, 26));
    EXPECT_EQ(window->btnExit->geometry(), QRect(625, 3, 26, 26));
    EXPECT_EQ(window->UrlOnline->geometry(), QRect(198, 9, 43, 13));
    EXPECT_FALSE(window->UrlOnline->isVisible());
    EXPECT_EQ(window->edtSalesPrice->geometry(), QRect(339, 12, 123, 23));
    EXPECT_EQ(window->edtMonthlyPITI->geometry(), QRect(339, 208, 123, 23));
    EXPECT_EQ(window->Panel1->geometry(), QRect(339, 110, 123, 23));
    EXPECT_EQ(window->rb30->geometry(), QRect(85, 3, 35, 17));
    EXPECT_EQ(window->Bevel1->geometry(), QRect(15, 232, 624, 9));
    EXPECT_EQ(window->lblSummary3->pos(), QPoint(152, 284));
    const auto *label = window->findChild<QLabel *>(u"Label2"_s);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(95, 139, 239, 15));
    EXPECT_EQ(label->text(), u"Your Monthly Principal and Interest Payment"_s);
}

TEST_F(MainLookTest, FieldsRunWithoutEditingOptions)
{
    for (const auto *field : window->findChildren<lw::numeric::TOvcNumericField *>())
        EXPECT_EQ(field->field().Options(), lw::numeric::TOvcEntryFieldOptions{})
                << field->accessibleName().toStdString();
}

TEST_F(MainLookTest, ScreenReadersLearnRoleNameAndValueOfEveryControl)
{
    const auto check = [](QWidget *widget, QAccessible::Role role, const QString &name) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(face, nullptr) << name.toStdString();
        EXPECT_EQ(face->role(), role) << name.toStdString();
        EXPECT_EQ(face->text(QAccessible::Name), name);
    };
    check(window->btnReset, QAccessible::Button, u"Reset Default Values ..."_s);
    check(window->btnExit, QAccessible::Button, u"Exit"_s);
    check(window->edtSalesPrice, QAccessible::EditableText, u"Home Sales Price"_s);
    check(window->edtMonthlyPITI, QAccessible::EditableText, u"Total Monthly Payment (PITI)"_s);
    check(window->rb20, QAccessible::RadioButton, u"20 years"_s);
    check(window->lblSummary2, QAccessible::StaticText, window->lblSummary2->text());
    QAccessibleInterface *price = QAccessible::queryAccessibleInterface(window->edtSalesPrice);
    EXPECT_EQ(price->text(QAccessible::Value), u"100,000.00"_s);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(window->rb30)->state().checked);
    const auto labelsOf = [](QWidget *widget) {
        QStringList texts;
        for (const auto &[label, relation] :
                QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
            texts << label->text(QAccessible::Name);
        return texts;
    };
    EXPECT_EQ(labelsOf(window->edtDownPayment), QStringList{ u"Your Down Payment $"_s });
    EXPECT_EQ(labelsOf(window->Panel1), QStringList{ u"Term of Mortgage in Years"_s });
}
