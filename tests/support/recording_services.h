#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "platform/clipboard.h"
#include "platform/user_feedback.h"

namespace lw::test {

/// Records beeps and boxes instead of making a sound or blocking on a dialog.
class RecordingFeedback final : public lw::platform::UserFeedback
{
public:
    void beep() override { ++beeps; }

    void showError(const QString &text) override { errors << text; }

    void showInformation(const QString &caption, const QString &text) override
    {
        informationCaptions << caption;
        information << text;
    }

    int beeps = 0;
    QStringList errors;
    QStringList information;
    QStringList informationCaptions;
};

/// An in-memory clipboard that can be told to fail.
class FakeClipboard final : public lw::platform::Clipboard
{
public:
    std::optional<QString> text() const override
    {
        if (failing)
            return std::nullopt;
        return content;
    }

    bool setText(const QString &text) override
    {
        if (failing)
            return false;
        content = text;
        return true;
    }

    std::optional<QString> content;
    bool failing = false;
};

} // namespace lw::test
