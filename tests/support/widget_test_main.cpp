#include <QApplication>
#include <QFont>
#include <QLocale>

#include <gtest/gtest.h>

#include "widgets/numeric/ovcbase.h"

namespace {

// Fields without a controller of their own share one: every test starts with it as new, so a
// failing test cannot hand insert mode or a pending error to the next.
class FreshDefaultController final : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override
    {
        lw::numeric::TOvcController &shared = lw::numeric::DefaultController();
        const lw::numeric::TOvcController fresh;
        shared.setEntryOptions(fresh.EntryOptions());
        shared.setInsertMode(fresh.InsertMode());
        shared.setErrorPending(fresh.ErrorPending());
        shared.setErrorText(fresh.ErrorText());
    }
};

} // namespace

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
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(
            new FreshDefaultController); // owned by gtest
    return RUN_ALL_TESTS();
}
