#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/user_feedback.h"

namespace lw::platform {

/// Beeps through the application and shows QMessageBox dialogs over a parent window.
class QtUserFeedback final : public UserFeedback
{
public:
    /// Error boxes are captioned errorCaption; boxes are modal to parent's window, or
    /// application-modal while parent is null.
    explicit QtUserFeedback(QString errorCaption, QWidget *parent = nullptr);

    void beep() override;
    void showError(const QString &text) override;
    void showInformation(const QString &caption, const QString &text) override;

private:
    QString m_errorCaption;
    QPointer<QWidget> m_parent;
};

/// Message texts break lines with CR/LF or LF/CR pairs; a dialog wants plain line feeds.
QString dialogText(const QString &text);

} // namespace lw::platform
