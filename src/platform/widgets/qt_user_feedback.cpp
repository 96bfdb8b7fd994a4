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

void QtUserFeedback::showInformation(const QString &text)
{
    QMessageBox::information(m_parent, QApplication::applicationDisplayName(), dialogText(text));
}

QString dialogText(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return plain;
}

} // namespace lw::platform
