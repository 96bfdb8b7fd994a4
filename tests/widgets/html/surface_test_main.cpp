#include <QFont>
#include <QGuiApplication>

#include <gtest/gtest.h>

// Test discovery runs this binary without the test environment, so pick the offscreen
// platform here unless the caller chose one.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
