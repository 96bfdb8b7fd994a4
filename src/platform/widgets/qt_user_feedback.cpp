#include "platform/widgets/qt_user_feedback.h"

#include <QApplication>
#include <QMessageBox>

namespace lw::platform {

QtUserFeedback::QtUserFeedback(QWidget *parent)
    : m_parent(parent)
{ }

void QtUserFeedback::beep()
{
    QApplication::beep();
}

void QtUserFeedback::showError(const QString &text)
{
    QMessageBox::critical(m_parent, QApplication::applicationDisplayName(), dialogText(text));
}

void QtUserFeedback::showInformation(const QString &caption, const QString &text)
{
    QMessageBox::information(m_parent, caption, dialogText(text));
}

QString dialogText(const QString &text)
{
    // Each break is a line feed, paired with a carriage return before or after it.
    QString plain = text;
    plain.remove(u'\r');
    return plain;
}

} // namespace lw::platform
