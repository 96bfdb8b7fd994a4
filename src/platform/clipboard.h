#pragma once

#include <optional>

#include <QString>

namespace lw::platform {

/// The system clipboard, plain text only.
class Clipboard
{
public:
    virtual ~Clipboard() = default;

    /// The clipboard's plain text; nothing when it holds no text or cannot be read.
    virtual std::optional<QString> text() const = 0;

    /// Replaces the clipboard's content; false when the clipboard could not be written.
    virtual bool setText(const QString &text) = 0;
};

} // namespace lw::platform
