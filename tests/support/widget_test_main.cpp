#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QLocale>

#include <gtest/gtest.h>

#include "widgets/numeric/field/numeric_field_accessible.h"

// Test discovery runs this binary without the test environment, so pick the offscreen
// platform here unless the caller chose one.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12); // the forms' Arial at 12 px
    QApplication::setFont(font);
    QLocale::setDefault(QLocale::c());
    QAccessible::installFactory(&lw::numeric::NumericFieldAccessible::factory);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
