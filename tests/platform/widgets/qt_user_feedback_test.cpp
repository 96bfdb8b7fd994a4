#include "platform/widgets/qt_user_feedback.h"

#include <functional>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Shown
{
    QString title;
    QString text;
};

// Runs show, which opens a modal box, and reads the box from inside its own event loop.
Shown shownBy(const std::function<void()> &show)
{
    Shown shown;
    QTimer::singleShot(0, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = { box->windowTitle(), box->text() };
        box->accept();
    });
    show();
    return shown;
}

TEST(QtUserFeedback, BoxesCarryExactlyTheirOwnTitlesAndPlainLineBreaks)
{
    lw::platform::QtUserFeedback feedback(u"Loanwright, 4.5.1"_s);
    const Shown error = shownBy([&feedback] {
        feedback.showError(u"Cannot save.\r\nTry again."_s);
    });
    EXPECT_EQ(error.title, u"Loanwright, 4.5.1"_s);
    EXPECT_EQ(error.text, u"Cannot save.\nTry again."_s);
    const Shown information = shownBy([&feedback] {
        feedback.showInformation(u"Information"_s, u"Done"_s);
    });
    EXPECT_EQ(information.title, u"Information"_s);
}

} // namespace
