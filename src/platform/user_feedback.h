#pragma once

#include <QString>

namespace lw::platform {

/// The desktop's ways of telling the user something: the default beep and modal boxes.
/// Tests replace it with a recorder, so no test ever blocks on a real dialog.
class UserFeedback
{
public:
    virtual ~UserFeedback() = default;

    /// The platform's default beep.
    virtual void beep() = 0;

    /// A modal error box captioned with the application's title, with only an OK button.
    virtual void showError(const QString &text) = 0;

    /// A modal information box with the information icon and only an OK button.
    virtual void showInformation(const QString &caption, const QString &text) = 0;
};

} // namespace lw::platform
