#include "platform/widgets/qt_user_feedback.h"

#include <utility>

#include <QApplication>
#include <QMessageBox>

namespace lw::platform {

QtUserFeedback::QtUserFeedback(QString errorCaption, QWidget *parent)
    : m_errorCaption(std::move(errorCaption))
    , m_parent(parent)
{ }

void QtUserFeedback::beep()
{
    QApplication::beep();
}

void QtUserFeedback::showError(const QString &text)
{
    QMessageBox::critical(m_parent, m_errorCaption, dialogText(text));
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
