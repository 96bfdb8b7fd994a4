#pragma once

#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "support/calculator_field.h"
#include "support/qt_printers.h"
#include "support/recorded_entry_services.h"
#include "widgets/numeric/field/ovcnf.h"

namespace lw::test {

/// A shown, active window holding a button, a money field, a rate field and another button,
/// in that tab order, configured as the calculator configures its fields.
class FieldForm : public ::testing::Test, protected RecordedEntryServices
{
protected:
    void SetUp() override
    {
        before = new QPushButton(QStringLiteral("before"), &form); // owned by the form
        before->setGeometry(10, 10, 80, 23);
        price = makeField(QStringLiteral("###,###,###.##"), 40);
        rate = makeField(QStringLiteral("###.####"), 70);
        after = new QPushButton(QStringLiteral("after"), &form);
        after->setGeometry(10, 100, 80, 23);
        price->setFloatValue(100000);
        rate->setFloatValue(6);
        form.resize(200, 140);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    lw::numeric::TOvcNumericField *makeField(const QString &mask, int y)
    {
        auto *field = new lw::numeric::TOvcNumericField(services, &form); // owned by the form
        configureCalculatorField(field->field(), mask);
        field->setGeometry(10, y, 123, 23);
        return field;
    }

    /// Tabs from the first button into the price field.
    void tabIntoPrice()
    {
        before->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
        ASSERT_TRUE(price->hasFocus());
    }

    QWidget form;
    QPushButton *before = nullptr;
    lw::numeric::TOvcNumericField *price = nullptr;
    lw::numeric::TOvcNumericField *rate = nullptr;
    QPushButton *after = nullptr;
};

} // namespace lw::test
