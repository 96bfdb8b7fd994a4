#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/gui/colour.h"
#include "shell/notebook/ovcnbk.h"
#include "support/calculator_field.h"
#include "support/qt_printers.h"
#include "support/recorded_entry_services.h"
#include "widgets/numeric/field/ovcnf.h"

namespace lw::test {

/// A shown, active window with a button above a notebook set up as the calculator's: page 1
/// holds a click-only field followed by two tab-stop fields, page 2 only a label.
class NotebookForm : public ::testing::Test, protected RecordedEntryServices
{
protected:
    static constexpr lw::platform::Colour Blue = lw::platform::rgbColour(0, 0, 255);

    void SetUp() override
    {
        before = new QPushButton(QStringLiteral("before"), &form); // owned by the form
        before->setGeometry(10, 2, 80, 26);
        notebook = new lw::shell::TOvcNotebook(&form); // owned by the form
        notebook->setGeometry(0, 32, 420, 250);
        notebook->setActiveTabFontColor(Blue);
        page1 = notebook->addPage(QStringLiteral(" Loanwright "));
        page2 = notebook->addPage(QStringLiteral(" Try Homestake Suite  "));
        page2->setHint(QStringLiteral("The sibling product"));
        clickOnly = makeField(page1, 10);
        clickOnly->setTabStop(false);
        price = makeField(page1, 40);
        rate = makeField(page1, 70);
        label = new QLabel(QStringLiteral("Homestake"), page2); // owned by the page
        notebook->loaded();
        form.resize(440, 300);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    lw::numeric::TOvcNumericField *makeField(QWidget *page, int y)
    {
        auto *field = new lw::numeric::TOvcNumericField(services, page); // owned by the page
        configureCalculatorField(field->field(), QStringLiteral("###,###,###.##"));
        field->setGeometry(10, y, 123, 23);
        field->setFloatValue(50);
        return field;
    }

    /// The middle of a page's tab, in notebook pixels.
    QPoint tabCentre(int index) const { return notebook->tabRect(index).center(); }

    void clickTab(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(notebook, button, {}, tabCentre(index));
    }

    void focusPrice()
    {
        price->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(price->hasFocus());
    }

    QWidget form;
    QPushButton *before = nullptr;
    lw::shell::TOvcNotebook *notebook = nullptr;
    lw::shell::TOvcTabPage *page1 = nullptr;
    lw::shell::TOvcTabPage *page2 = nullptr;
    lw::numeric::TOvcNumericField *clickOnly = nullptr;
    lw::numeric::TOvcNumericField *price = nullptr;
    lw::numeric::TOvcNumericField *rate = nullptr;
    QLabel *label = nullptr;
};

} // namespace lw::test
